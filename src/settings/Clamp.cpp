#include "settings/Clamp.h"

void Clamp(std::int32_t& value, std::int32_t lo, std::int32_t hi) {
    if (value < lo) {
        value = lo;
    } else if (value > hi) {
        value = hi;
    }
}
