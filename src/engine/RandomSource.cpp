#include "engine/RandomSource.h"

#include <ctime>

#include "engine/SeededRandom.h"

RandomSource& ProcessRandom() {
    static SeededRandom random;
    return random;
}

void SeedWithCalendarTime(RandomSource& random) {
    random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}
