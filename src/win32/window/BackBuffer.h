#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/Rect.h"

// The off-screen picture of the field: a top-down 32-bit DIB section selected into its own
// memory DC, so GDI draws into it and the sprite code writes its pixels directly. It is
// `scale` device pixels to each pixel of the 400 x 300 field, a whole number, so every edge
// stays sharp on a high-density screen.
class BackBuffer {
  public:
    BackBuffer(std::int32_t width, std::int32_t height, int scale);
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    ~BackBuffer();

    bool IsValid() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_; }
    int Scale() const { return scale_; }
    std::int32_t DeviceWidth() const { return width_; }
    std::int32_t DeviceHeight() const { return height_; }
    // The pixels as 0x00RRGGBB, row after row from the top; GDI must be flushed first.
    std::uint32_t* Pixels() const { return static_cast<std::uint32_t*>(bits_); }

    // Copies a field rectangle (field pixels) to the same place of a window's DC.
    void CopyTo(HDC target, const Rect& area) const;

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
    int scale_ = 1;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
