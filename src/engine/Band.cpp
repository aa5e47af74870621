#include "engine/Band.h"

Band::~Band() = default;

void Band::Move() {
    if (SpeedX < 0) {
        Rect.Left += SpeedX;
    } else {
        Rect.Right += SpeedX;
    }
    Rect.Top += SpeedY;
    Rect.Bottom += SpeedY;
}
