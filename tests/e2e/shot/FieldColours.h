#pragma once

#include "Shot.h"

#include <array>

// The flat colours the game paints its field with.
namespace FieldColours {

inline constexpr Colour Sky = 0x000080;
inline constexpr Colour White = 0xffffff;
inline constexpr Colour Title = 0xf0f0f0;
inline constexpr Colour Hair = 0xffd628;
// The six stripes of a lumabel, top first.
inline constexpr std::array<Colour, 6> Stripes = {0xff0000, 0xff8000, 0xffff00,
                                                  0x00ff00, 0x0080ff, 0x8080ff};

}  // namespace FieldColours
