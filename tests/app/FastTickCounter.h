#pragma once

#include <cstdint>
#include <stdexcept>

#include "engine/TickCounter.h"

// Every reading is a given step later than the one before, so a pacing wait always ends
// after a known number of readings, without real time passing.
class FastTickCounter final : public TickCounter {
  public:
    explicit FastTickCounter(std::uint32_t start = 1000, std::uint32_t step = 1000)
        : now_(start), step_(step) {}
    std::uint32_t Now() const override {
        if (failNext) {
            failNext = false;
            throw std::runtime_error("the clock failed");
        }
        const std::uint32_t reading = now_;
        now_ += step_;
        return reading;
    }
    void Set(std::uint32_t now, std::uint32_t step) {
        now_ = now;
        step_ = step;
    }
    mutable bool failNext = false;  // the next reading throws, once
    mutable std::uint32_t now_;
    std::uint32_t step_;
};
