#pragma once

#include <cstdint>

// Brings value into lo..hi in place; the low bound is tested first, so lo wins when lo > hi.
// Here, at the bottom, because both the option records and the engine keep numbers in limits.
void Clamp(std::int32_t& value, std::int32_t lo, std::int32_t hi);
