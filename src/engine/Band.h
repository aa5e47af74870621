#pragma once

#include <cstdint>

#include "engine/Rect.h"

// One six-stripe band: it never moves sideways, it stretches at its leading edge.
class Band {
  public:
    static constexpr std::int32_t Height = 96;
    static constexpr std::int32_t StripeHeight = 16;
    static constexpr std::int32_t StripeCount = 6;

    Band() = default;
    Band(const Rect& rect, std::int32_t speedX, std::int32_t speedY)
        : Rect(rect), SpeedX(speedX), SpeedY(speedY) {}
    Band(const Band&) = default;
    Band& operator=(const Band&) = default;
    virtual ~Band();

    // Negative: the left edge moves left; zero or positive: the right edge moves right.
    // Then the whole band moves down by SpeedY.
    void Move();

    ::Rect Rect;
    std::int32_t SpeedX = 0;  // pixels per step of the leading vertical edge
    std::int32_t SpeedY = 0;  // pixels per step downward (negative: up)
};
