#pragma once

#include <cstdint>

#include "engine/Rect.h"

bool PointInRect(const Rect& rect, std::int32_t x, std::int32_t y);

// Rectangles that only touch along an edge or at a corner do not overlap.
bool RectsOverlap(const Rect& a, const Rect& b);
