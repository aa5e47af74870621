#include "engine/SeededRandom.h"

namespace {
constexpr std::uint64_t Multiplier = 6364136223846793005ULL;
constexpr std::uint64_t Increment = 1442695040888963407ULL;
}  // namespace

std::int32_t SeededRandom::Next() {
    const std::uint64_t old = state_;
    state_ = old * Multiplier + Increment;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<std::uint32_t>(old >> 59U);
    const std::uint32_t word = (xorshifted >> rotation) | (xorshifted << ((32U - rotation) & 31U));
    return static_cast<std::int32_t>(word >> 1U);
}

void SeededRandom::Seed(std::uint32_t seed) {
    state_ = 0;
    Next();
    state_ += seed;
    Next();
}
