#include "support/LeakCheckSwitch.h"

namespace {
bool LeakCheckOff = false;
}  // namespace

void TurnLeakCheckOff() {
    LeakCheckOff = true;
}

extern "C" int __lsan_is_turned_off() {
    return LeakCheckOff ? 1 : 0;
}
