#include "engine/Geometry.h"

#include <algorithm>

bool PointInRect(const Rect& rect, std::int32_t x, std::int32_t y) {
    return rect.Left <= x && x < rect.Right && rect.Top <= y && y < rect.Bottom;
}

bool RectsOverlap(const Rect& a, const Rect& b) {
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}
