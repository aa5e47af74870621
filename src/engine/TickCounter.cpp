#include "engine/TickCounter.h"

#include <chrono>

std::uint32_t MonotonicTickCounter::Now() const {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

const TickCounter& SystemTickCounter() {
    static const MonotonicTickCounter counter;
    return counter;
}
