#pragma once

#include <cstdint>

#include "engine/RandomSource.h"

// A small permuted congruential generator: 64 bits of state, 31-bit results, no allocation,
// and the same sequence for the same seed on every machine.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed = 0) { Seed(seed); }

    std::int32_t Next() override;
    void Seed(std::uint32_t seed) override;

  private:
    std::uint64_t state_ = 0;
};
