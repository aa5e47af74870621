#include <gtest/gtest.h>

#include <cstdint>

#include "settings/AppPlayOptions.h"
#include "settings/AppSystemOptions.h"
#include "settings/CurrentPlayOptions.h"

TEST(OptionRecords, StartWithTheDefaults) {
    const AppPlayOptions play;
    EXPECT_EQ(play.NumLumabels, 9);
    EXPECT_EQ(play.NumClouds, 2);
    EXPECT_EQ(play.Interval, 100);
    EXPECT_EQ(play.Message, "Results");
    EXPECT_TRUE(play.SoundOn);

    const AppSystemOptions system;
    EXPECT_TRUE(system.RestoreRecord);
    EXPECT_FALSE(system.ClearRecord);
    EXPECT_TRUE(system.RestorePosition);
    EXPECT_FALSE(system.StayOnTop);
}

TEST(OptionRecords, CopiesAreIndependent) {
    AppPlayOptions original;
    AppPlayOptions copy = original;
    copy.Message = "Well done";
    copy.NumClouds = 5;
    EXPECT_EQ(original.Message, "Results");
    EXPECT_EQ(original.NumClouds, 2);
}

class ApplyPlayOptionsTest : public ::testing::Test {
  protected:
    void TearDown() override { ApplyPlayOptions(AppPlayOptions{}); }

    static AppPlayOptions Applied(std::int32_t lumabels, std::int32_t clouds,
                                  std::int32_t interval) {
        AppPlayOptions options;
        options.NumLumabels = lumabels;
        options.NumClouds = clouds;
        options.Interval = interval;
        ApplyPlayOptions(options);
        return CurrentPlayOptions;
    }
};

TEST_F(ApplyPlayOptionsTest, ClampsEachNumberToItsNearerLimit) {
    struct Case {
        std::int32_t in;
        std::int32_t lumabels;
        std::int32_t clouds;
        std::int32_t interval;
    };
    const Case cases[] = {
        {-2147483647 - 1, 1, 0, 1},
        {-5, 1, 0, 1},
        {-1, 1, 0, 1},
        {0, 1, 0, 1},
        {1, 1, 1, 1},
        {16, 16, 16, 16},
        {17, 16, 16, 17},
        {100, 16, 16, 100},
        {1000, 16, 16, 1000},
        {1001, 16, 16, 1000},
        {2147483647, 16, 16, 1000},
    };
    for (const Case& c : cases) {
        const AppPlayOptions applied = Applied(c.in, c.in, c.in);
        EXPECT_EQ(applied.NumLumabels, c.lumabels) << c.in;
        EXPECT_EQ(applied.NumClouds, c.clouds) << c.in;
        EXPECT_EQ(applied.Interval, c.interval) << c.in;
    }
}

TEST_F(ApplyPlayOptionsTest, TakesMessageAndSoundAsTheyAre) {
    AppPlayOptions options;
    options.Message = "";
    options.SoundOn = false;
    ApplyPlayOptions(options);
    EXPECT_EQ(CurrentPlayOptions.Message, "");
    EXPECT_FALSE(CurrentPlayOptions.SoundOn);

    options.Message = "  \"Top\", score ; x ";
    ApplyPlayOptions(options);
    EXPECT_EQ(CurrentPlayOptions.Message, "  \"Top\", score ; x ");
}
