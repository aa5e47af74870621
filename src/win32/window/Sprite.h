#pragma once

#include <cstdint>
#include <vector>

class BackBuffer;

// A small picture with transparency, kept as premultiplied pixels, so drawing it is plain
// arithmetic on the back buffer's pixels: no GDI object and no allocation per frame. Pixels that
// do not fill width * height leave an empty sprite, which draws nothing.
class Sprite {
  public:
    Sprite() = default;
    // Takes pixels made in memory: width * height of them, premultiplied 0xAARRGGBB.
    Sprite(std::int32_t width, std::int32_t height, std::vector<std::uint32_t> pixels);

    // Draws with its top-left corner at the field point (x, y), scaled by the buffer's scale,
    // clipped to the buffer.
    void DrawInto(const BackBuffer& buffer, std::int32_t x, std::int32_t y) const;

  private:
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<std::uint32_t> pixels_;  // 0xAARRGGBB, premultiplied
};
