#pragma once

#include <cstdint>

#include "win32/window/Sprite.h"

// A cloud as the Linux edition draws it: FieldLook's circles, filled and outlined, in a box of
// the given size. The circles are the rows that edition's painter fills for a 1-pixel pen around
// an ellipse a pixel narrower than a circle's side, so a cloud is the same pixels in both editions;
// GDI's own ellipse differs from it by a pixel here and there along the edge.
Sprite CloudPicture(std::int32_t width, std::int32_t height);
