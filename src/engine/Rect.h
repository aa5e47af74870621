#pragma once

#include <cstdint>

// A half-open rectangle in field pixels: (x, y) lies inside when
// Left <= x < Right and Top <= y < Bottom. y grows downward.
struct Rect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The play field: the whole client area of the main window and the whole back buffer.
inline constexpr Rect FieldRect{0, 0, 400, 300};
