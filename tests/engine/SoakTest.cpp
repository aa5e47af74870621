#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>

#include "engine/SeededRandom.h"
#include "engine/World.h"
#include "settings/AppPlayOptions.h"
#include "support/ManualTickCounter.h"
#include "support/NoteRecorder.h"

namespace {

// Every lumabel grows by |SpeedX| per move from a 96-wide square made at a corner (or is the
// band), so its width tells its age and its vertical position must agree with that age.
std::string CheckLumabel(const Band& l) {
    const Rect& r = l.Rect;
    std::ostringstream why;
    if (r.Bottom - r.Top != Band::Height) {
        why << "height " << r.Bottom - r.Top;
    } else if (r.Right - r.Left < Band::Height) {
        why << "width " << r.Right - r.Left;
    } else if (l.SpeedX == 0) {
        if (r.Left != -400 || r.Right != 800 || l.SpeedY != -7 || (204 - r.Top) % 7 != 0) {
            why << "band out of shape";
        }
    } else {
        const bool fromRight = l.SpeedX < 0;
        const std::int32_t trailing = fromRight ? r.Right : r.Left;
        const std::int32_t birthTop = l.SpeedY > 0 ? -96 : 300;
        const std::int32_t travelled = r.Top - birthTop;
        const std::int32_t age = travelled / l.SpeedY;
        if (trailing != (fromRight ? 496 : -96)) {
            why << "trailing edge moved to " << trailing;
        } else if (travelled % l.SpeedY != 0 || age < 0) {
            why << "vertical position " << r.Top << " off its track";
        } else if (r.Right - r.Left != 96 + age * std::abs(l.SpeedX)) {
            why << "width " << r.Right - r.Left << " after " << age << " moves";
        }
    }
    return why.str();
}

std::string CheckWorld(const World& world, const AppPlayOptions& options) {
    std::ostringstream why;
    const std::int32_t count = world.GetLumabelCount();
    if (count < 1 || count > World::Capacity) {
        why << "lumabel count " << count;
    } else if (world.GetCurrentLumabel() < 0 || world.GetCurrentLumabel() >= count) {
        why << "carrier " << world.GetCurrentLumabel() << " of " << count;
    } else if (world.GetCloudCount() < 0 || world.GetCloudCount() > options.NumClouds) {
        why << "cloud count " << world.GetCloudCount();
    } else if (world.GetCharacterX() < -400 || world.GetCharacterX() > 799) {
        why << "character at " << world.GetCharacterX();
    }
    for (std::int32_t i = 0; i < count && why.str().empty(); ++i) {
        Band lumabel;
        world.GetLumabel(i, lumabel);
        const std::string problem = CheckLumabel(lumabel);
        if (!problem.empty()) {
            why << "lumabel " << i << ": " << problem;
        }
    }
    return why.str();
}

}  // namespace

TEST(Soak, AMillionStepsWithRandomClicksKeepEveryInvariant) {
    AppPlayOptions options;
    NoteRecorder notes;
    SeededRandom random;
    ManualTickCounter ticks;
    World world{WorldServices{options, notes, random, ticks}};
    random.Seed(20261207);
    std::mt19937 player(12345);

    int games = 0;
    std::int32_t scoreBefore = 0;
    for (int step = 0; step < 1'000'000; ++step) {
        if (step == 0 || world.IsGameOver()) {
            options.NumLumabels = static_cast<std::int32_t>(player() % 16) + 1;
            options.NumClouds = static_cast<std::int32_t>(player() % 17);
            world.NewGame();
            ++games;
            scoreBefore = 0;
        }
        for (int clicks = static_cast<int>(player() % 3); clicks > 0; --clicks) {
            const auto x = static_cast<std::int32_t>(player() % 420) - 10;
            const auto y = static_cast<std::int32_t>(player() % 320) - 10;
            const bool taken = world.Click(x, y);
            ASSERT_EQ(world.GetScore(), scoreBefore + (taken ? 1 : 0));
            scoreBefore = world.GetScore();
        }
        ticks.Set(ticks.Now() + 100);
        world.Step();
        const std::string problem = CheckWorld(world, options);
        ASSERT_TRUE(problem.empty()) << "step " << step << ", game " << games << ": " << problem;
        ASSERT_GE(world.GetRecordScore(), world.IsGameOver() ? world.GetScore() : 0);
    }
    EXPECT_GT(games, 1000);
    EXPECT_GT(world.GetRecordScore(), 10);
    EXPECT_FALSE(notes.notes.empty());
}
