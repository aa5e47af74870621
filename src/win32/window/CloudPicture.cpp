#include "win32/window/CloudPicture.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/FieldLook.h"

namespace {

using FieldLook::PuffCount;
using FieldLook::PuffSide;
using FieldLook::PuffSpacing;
constexpr std::uint32_t White = 0xFF000000 | FieldLook::Cloud;  // opaque

// How far in from each side of its box a circle's row starts, for the top half; the bottom half
// mirrors it.
constexpr std::array<int, PuffSide / 2> RowInset{12, 9, 7, 6, 4, 4, 3, 2, 2, 1, 1, 0, 0, 0, 0, 0};

int InsetOfRow(int row) {
    return RowInset[static_cast<std::size_t>(std::min(row, PuffSide - 1 - row))];
}

}  // namespace

Sprite CloudPicture(std::int32_t width, std::int32_t height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0);
    for (int puff = 0; puff < PuffCount; ++puff) {
        for (int row = 0; row < std::min(height, PuffSide); ++row) {
            const int inset = InsetOfRow(row);
            const int left = std::max(0, puff * PuffSpacing + inset);
            const int right = std::min(width, puff * PuffSpacing + PuffSide - inset);
            for (int x = left; x < right; ++x) {
                pixels[static_cast<std::size_t>(row * width + x)] = White;
            }
        }
    }
    return Sprite(width, height, std::move(pixels));
}
