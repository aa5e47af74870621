#include "win32/window/CharacterPicture.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

#include "engine/FieldLook.h"

namespace {

#include "CharacterPixels.inc"

// The painter places her by FieldLook's size; art of another size would stand askew.
static_assert(CharacterOpenWidth == FieldLook::CharacterWidth &&
              CharacterOpenHeight == FieldLook::CharacterHeight);
static_assert(CharacterClosedWidth == FieldLook::CharacterWidth &&
              CharacterClosedHeight == FieldLook::CharacterHeight);

template <std::size_t N>
Sprite PictureOf(std::int32_t width, std::int32_t height, const std::uint32_t (&pixels)[N]) {
    return Sprite(width, height, std::vector<std::uint32_t>(std::begin(pixels), std::end(pixels)));
}

}  // namespace

Sprite CharacterPicture(CharacterEyes eyes) {
    return eyes == CharacterEyes::Open
               ? PictureOf(CharacterOpenWidth, CharacterOpenHeight, CharacterOpenPixels)
               : PictureOf(CharacterClosedWidth, CharacterClosedHeight, CharacterClosedPixels);
}
