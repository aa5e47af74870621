#pragma once

#include <cstdint>

// A millisecond count that wraps to 0 after 2^32 ms; differences are taken modulo 2^32.
class TickCounter {
  public:
    virtual ~TickCounter() = default;
    virtual std::uint32_t Now() const = 0;
};

// Milliseconds of the monotonic clock, so a change of the calendar time never disturbs
// game times or the pacing of the loop.
class MonotonicTickCounter final : public TickCounter {
  public:
    std::uint32_t Now() const override;
};

// The one counter the running program reads.
const TickCounter& SystemTickCounter();
