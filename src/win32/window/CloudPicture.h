#pragma once

#include <cstdint>

#include "win32/window/Sprite.h"

// A cloud as the Linux edition draws it: three 32-pixel circles 24 apart, white, filled and
// outlined, in a box of the given size. The circles are the rows that edition's painter fills
// for a 1-pixel pen around a 31 x 31 ellipse, so a cloud is the same pixels in both editions;
// GDI's own ellipse differs from it by a pixel here and there along the edge.
Sprite CloudPicture(std::int32_t width, std::int32_t height);
