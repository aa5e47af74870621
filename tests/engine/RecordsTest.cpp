#include <gtest/gtest.h>

#include <cstdint>

#include "support/WorldFixture.h"

class RecordsTest : public WorldFixture {
  protected:
    void SetUp() override {
        options.NumLumabels = 1;
        options.NumClouds = 0;
    }
    // Plays a click-less game from start to end reading, ending with the given score.
    void PlayGame(std::uint32_t start, std::uint32_t end, std::int32_t score) {
        ticks.Set(start);
        world.NewGame();
        WorldProbe::SetScore(world, score);
        StepTimes(70);
        ASSERT_FALSE(world.IsGameOver());
        ASSERT_EQ(world.GetPlayTime(), 0);
        ticks.Set(end);
        world.Step();
        ASSERT_TRUE(world.IsGameOver());
    }
};

TEST_F(RecordsTest, PlayTimeIsWholeTensOfMillisecondsCutNotRounded) {
    PlayGame(1000, 2234, 0);
    EXPECT_EQ(world.GetPlayTime(), 1230);
    PlayGame(1000, 2239, 0);  // 1239 ms: rounding would give 1240
    EXPECT_EQ(world.GetPlayTime(), 1230);
    PlayGame(1000, 2240, 0);
    EXPECT_EQ(world.GetPlayTime(), 1240);
    PlayGame(1000, 1009, 0);
    EXPECT_EQ(world.GetPlayTime(), 0);
}

TEST_F(RecordsTest, PlayTimeSurvivesTheCounterWrapping) {
    PlayGame(0xFFFFFFFFU - 295U, 704, 0);  // 296 ms before the wrap to 0
    EXPECT_EQ(world.GetPlayTime(), 1000);
}

TEST_F(RecordsTest, AGameLongerThanASignedCountHoldsStaysPositive) {
    PlayGame(0, 0x80000005U, 0);
    EXPECT_EQ(world.GetPlayTime(), 2147483640);
    EXPECT_EQ(world.GetRecordTime(), 2147483640);
}

TEST_F(RecordsTest, RecordsAreIndependentMaxima) {
    PlayGame(0, 5000, 10);
    EXPECT_EQ(world.GetRecordScore(), 10);
    EXPECT_EQ(world.GetRecordTime(), 5000);
    PlayGame(10000, 18000, 3);  // a longer game with fewer points: only the time is beaten
    EXPECT_EQ(world.GetScore(), 3);
    EXPECT_EQ(world.GetRecordScore(), 10);
    EXPECT_EQ(world.GetRecordTime(), 8000);
    PlayGame(20000, 21000, 12);  // more points in a shorter game: only the score is beaten
    EXPECT_EQ(world.GetRecordScore(), 12);
    EXPECT_EQ(world.GetRecordTime(), 8000);
}

TEST_F(RecordsTest, EqualingARecordBeatsNothing) {
    world.SetRecords(10, 8000);
    // The record score equalled in a shorter game: neither record moves, so a time that
    // rides along with the score would show here.
    PlayGame(0, 1000, 10);
    EXPECT_EQ(world.GetRecordScore(), 10);
    EXPECT_EQ(world.GetRecordTime(), 8000);
    // The record time equalled with fewer points: likewise.
    PlayGame(0, 8000, 2);
    EXPECT_EQ(world.GetRecordScore(), 10);
    EXPECT_EQ(world.GetRecordTime(), 8000);
    // One more than each: both move.
    PlayGame(0, 8010, 11);
    EXPECT_EQ(world.GetRecordScore(), 11);
    EXPECT_EQ(world.GetRecordTime(), 8010);
}

TEST_F(RecordsTest, SetRecordsTakesAnyValuesAndGamesOnlyRaiseThem) {
    world.SetRecords(-5, -100);
    EXPECT_EQ(world.GetRecordScore(), -5);
    EXPECT_EQ(world.GetRecordTime(), -100);
    PlayGame(0, 0, 0);
    EXPECT_EQ(world.GetRecordScore(), 0);
    EXPECT_EQ(world.GetRecordTime(), 0);
    world.SetRecords(0, 0);
    PlayGame(0, 40, 2);
    world.SetRecords(99, 99999);
    EXPECT_EQ(world.GetRecordScore(), 99);
    EXPECT_EQ(world.GetRecordTime(), 99999);
}

TEST_F(RecordsTest, TheResultsStayUntilTheNextGame) {
    PlayGame(100, 7119, 6);
    world.Step();
    world.Step();
    EXPECT_EQ(world.GetScore(), 6);
    EXPECT_EQ(world.GetPlayTime(), 7010);
    EXPECT_TRUE(world.IsGameOver());
}
