#include "win32/window/BackBuffer.h"

BackBuffer::BackBuffer(std::int32_t width, std::int32_t height, int scale)
    : scale_(scale), width_(width * scale), height_(height * scale) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (dc_ == nullptr || bitmap_ == nullptr) {
        bits_ = nullptr;
        return;
    }
    previous_ = SelectObject(dc_, bitmap_);
}

BackBuffer::~BackBuffer() {
    if (previous_ != nullptr) {
        SelectObject(dc_, previous_);
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
    if (dc_ != nullptr) {
        DeleteDC(dc_);
    }
}

void BackBuffer::CopyTo(HDC target, const Rect& area) const {
    BitBlt(target, area.Left * scale_, area.Top * scale_, (area.Right - area.Left) * scale_,
           (area.Bottom - area.Top) * scale_, dc_, area.Left * scale_, area.Top * scale_, SRCCOPY);
}
