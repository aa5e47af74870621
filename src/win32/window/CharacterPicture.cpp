#include "win32/window/CharacterPicture.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace {

#include "CharacterPixels.inc"

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
