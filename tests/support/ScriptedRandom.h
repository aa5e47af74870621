#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/RandomSource.h"

// Hands out the given draws in order, over and over; counts what was drawn.
// The default draw, 11, gives an accepted speed pair (12, 4), so spawning never loops.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<std::int32_t> draws = {11}) : draws_(std::move(draws)) {}

    std::int32_t Next() override { return draws_[next_++ % draws_.size()]; }
    void Seed(std::uint32_t seed) override { seeds_.push_back(seed); }

    void Script(std::vector<std::int32_t> draws) {
        draws_ = std::move(draws);
        next_ = 0;
    }
    std::size_t Drawn() const { return next_; }
    const std::vector<std::uint32_t>& Seeds() const { return seeds_; }

  private:
    std::vector<std::int32_t> draws_;
    std::size_t next_ = 0;
    std::vector<std::uint32_t> seeds_;
};
