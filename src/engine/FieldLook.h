#pragma once

#include <array>
#include <cstdint>

#include "engine/Band.h"

// How the field looks, for both editions' painters and for the tests that judge their pixels:
// whatever reads a picture of the field takes its numbers from here, so the two editions and the
// tests cannot drift apart. Colours are 0xRRGGBB; lengths are field pixels.
namespace FieldLook {

// The flat colours. Only the character's picture and the anti-aliased text bring others.
inline constexpr std::uint32_t Sky = 0x000080;
inline constexpr std::uint32_t Cloud = 0xffffff;
inline constexpr std::uint32_t Title = 0xf0f0f0;
inline constexpr std::uint32_t Results = 0xffffff;
// The one-pixel ring around each line of the results.
inline constexpr std::uint32_t ResultsOutline = 0x000040;
// A lumabel's stripes, top first.
inline constexpr std::array<std::uint32_t, Band::StripeCount> Stripes = {
    0xff0000, 0xff8000, 0xffff00, 0x00ff00, 0x0080ff, 0x8080ff};

// The character's picture, as the art in assets/images is drawn.
inline constexpr int CharacterWidth = 22;
inline constexpr int CharacterHeight = 36;
// How far left of her x and above her lumabel's top the picture's corner lies: centred on her
// x, she stands in front of the band's upper stripes.
inline constexpr int CharacterOffsetX = CharacterWidth / 2;
inline constexpr int CharacterOffsetY = 18;

// A cloud is circles of this side along its box, each overlapping the next.
inline constexpr int PuffCount = 3;
inline constexpr int PuffSpacing = 24;
inline constexpr int PuffSide = 32;

}  // namespace FieldLook
