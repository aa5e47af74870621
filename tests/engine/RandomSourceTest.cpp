#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <limits>

#include "engine/RandomSource.h"
#include "engine/SeededRandom.h"
#include "engine/World.h"
#include "settings/AppPlayOptions.h"
#include "support/ManualTickCounter.h"
#include "support/NoteRecorder.h"
#include "support/ScriptedRandom.h"

TEST(SeededRandom, SameSeedSameSequenceOtherSeedOtherSequence) {
    SeededRandom a(42);
    SeededRandom b(42);
    SeededRandom c(43);
    int differences = 0;
    for (int i = 0; i < 100; ++i) {
        const std::int32_t va = a.Next();
        EXPECT_EQ(va, b.Next());
        differences += va != c.Next() ? 1 : 0;
    }
    EXPECT_GT(differences, 90);
}

TEST(SeededRandom, ReseedingRestartsTheSequence) {
    SeededRandom random(7);
    const std::int32_t first = random.Next();
    random.Next();
    random.Seed(7);
    EXPECT_EQ(random.Next(), first);
}

TEST(SeededRandom, SpansTheWholeNonNegativeRangeEvenly) {
    SeededRandom random(2026);
    std::array<int, 7> buckets{};
    bool sawHighBit = false;
    constexpr int Draws = 70000;
    for (int i = 0; i < Draws; ++i) {
        const std::int32_t value = random.Next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, std::numeric_limits<std::int32_t>::max());
        sawHighBit = sawHighBit || value >= (1 << 30);
        ++buckets[static_cast<std::size_t>(random.Below(7))];
    }
    EXPECT_TRUE(sawHighBit);
    for (const int count : buckets) {
        EXPECT_NEAR(count, Draws / 7, Draws / 70);  // within 10 % of a fair share
    }
}

TEST(ProcessRandom, IsOneSharedSource) {
    EXPECT_EQ(&ProcessRandom(), &ProcessRandom());
}

TEST(CalendarSeeding, SeedsWithWholeSecondsOfTheCalendarTime) {
    ScriptedRandom random;
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    SeedWithCalendarTime(random);
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    ASSERT_EQ(random.Seeds().size(), 1U);
    EXPECT_GE(random.Seeds()[0], before);
    EXPECT_LE(random.Seeds()[0], after);
}

TEST(CalendarSeeding, TheWorldSeedsTheSourceWhenMade) {
    AppPlayOptions options;
    NoteRecorder notes;
    ScriptedRandom random;
    ManualTickCounter ticks;
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    const World world{WorldServices{options, notes, random, ticks}};
    ASSERT_EQ(random.Seeds().size(), 1U);
    EXPECT_GE(random.Seeds()[0], before);
    EXPECT_EQ(world.GetLumabelCount(), 0);
    EXPECT_EQ(world.GetCloudCount(), 0);
    EXPECT_FALSE(world.IsGameOver());
}
