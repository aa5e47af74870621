#pragma once

#include <cstdint>

// A source of uniformly distributed integers 0 to 2147483647. Callers reduce a draw with
// the remainder of a division by a positive bound.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual std::int32_t Next() = 0;
    virtual void Seed(std::uint32_t seed) = 0;

    // A draw reduced into 0 .. bound - 1.
    std::int32_t Below(std::int32_t bound) { return Next() % bound; }
};

// The one source shared by the world and the drawing code.
RandomSource& ProcessRandom();

// Seeds the source with the calendar time in whole seconds.
void SeedWithCalendarTime(RandomSource& random);
