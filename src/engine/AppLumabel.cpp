#include "engine/AppLumabel.h"

AppLumabel::~AppLumabel() = default;

void AppLumabel::Move() {
    if (SpeedX < 0) {
        Rect.Left += SpeedX;
    } else {
        Rect.Right += SpeedX;
    }
    Rect.Top += SpeedY;
    Rect.Bottom += SpeedY;
}
