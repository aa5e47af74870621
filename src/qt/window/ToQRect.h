#pragma once

#include <QRect>

#include "engine/Rect.h"

// The engine's rectangles keep their right and bottom edges; Qt's keep a size. Both leave
// the right and bottom edges outside, so the same pixels are covered.
constexpr QRect ToQRect(const Rect& rect) noexcept {
    return {rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top};
}
