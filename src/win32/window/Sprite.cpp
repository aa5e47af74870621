#include "win32/window/Sprite.h"

#include <utility>

#include "win32/window/BackBuffer.h"

namespace {

std::uint32_t Over(std::uint32_t source, std::uint32_t target) {
    const std::uint32_t alpha = source >> 24;
    if (alpha == 255) {
        return source & 0x00FFFFFF;
    }
    if (alpha == 0) {
        return target;
    }
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t s = (source >> shift) & 0xFF;
        const std::uint32_t t = (target >> shift) & 0xFF;
        result |= ((s + (t * (255 - alpha) + 127) / 255) & 0xFF) << shift;
    }
    return result;
}

}  // namespace

Sprite::Sprite(std::int32_t width, std::int32_t height, std::vector<std::uint32_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
    if (pixels_.size() != static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {
        *this = Sprite();
    }
}

void Sprite::DrawInto(const BackBuffer& buffer, std::int32_t x, std::int32_t y) const {
    const int scale = buffer.Scale();
    std::uint32_t* target = buffer.Pixels();
    for (std::int32_t row = 0; row < height_ * scale; ++row) {
        const std::int32_t ty = y * scale + row;
        if (ty < 0 || ty >= buffer.DeviceHeight()) {
            continue;
        }
        const std::uint32_t* source = &pixels_[static_cast<std::size_t>(row / scale * width_)];
        for (std::int32_t column = 0; column < width_ * scale; ++column) {
            const std::int32_t tx = x * scale + column;
            if (tx < 0 || tx >= buffer.DeviceWidth()) {
                continue;
            }
            std::uint32_t& pixel = target[static_cast<std::size_t>(ty * buffer.DeviceWidth() + tx)];
            pixel = Over(source[column / scale], pixel);
        }
    }
}
