#pragma once

#include <cstdint>
#include <optional>

#include "engine/TickCounter.h"

// The clock a game's time is read from: another counter with the spans it was stopped left
// out. While stopped it stands still, so a game started then counts from the moment it runs.
class PlayClock final : public TickCounter {
  public:
    explicit PlayClock(const TickCounter& source) : source_(source) {}

    std::uint32_t Now() const override;
    // Reads the source only when the clock actually stops or starts again.
    void SetRunning(bool running);

  private:
    const TickCounter& source_;
    std::uint32_t stoppedTotal_ = 0;             // modulo 2^32, as every difference of ticks
    std::optional<std::uint32_t> stoppedSince_;  // the source's reading when it stopped
};
