#include <gtest/gtest.h>

#include "support/WorldFixture.h"

using NewGameTest = WorldFixture;

TEST_F(NewGameTest, StartsOnTheBandAlongTheBottom) {
    ticks.Set(123456);
    world.SetRecords(5, 600);
    world.NewGame();

    ASSERT_EQ(world.GetLumabelCount(), 9);
    const Band band = Lumabel(0);
    EXPECT_EQ(band.Rect, (Rect{-400, 204, 800, 300}));
    EXPECT_EQ(band.SpeedX, 0);
    EXPECT_EQ(band.SpeedY, -7);
    EXPECT_EQ(world.GetCurrentLumabel(), 0);
    EXPECT_EQ(world.GetCharacterX(), 200);
    EXPECT_EQ(world.GetCloudCount(), 2);
    EXPECT_EQ(world.GetScore(), 0);
    EXPECT_EQ(world.GetPlayTime(), 0);
    EXPECT_EQ(WorldProbe::StartTick(world), 123456U);
    EXPECT_FALSE(world.IsGameOver());
    EXPECT_EQ(world.GetRecordScore(), 5);
    EXPECT_EQ(world.GetRecordTime(), 600);
}

TEST_F(NewGameTest, DrawsLumabelsFirstThenClouds) {
    // Nine lumabels at three draws each (the band's included), then two clouds at two each.
    world.NewGame();
    EXPECT_EQ(random.Drawn(), 9U * 3 + 2U * 2);
}

TEST_F(NewGameTest, OneLumabelAndNoCloudsIsTheBandAlone) {
    options.NumLumabels = 1;
    options.NumClouds = 0;
    world.NewGame();
    EXPECT_EQ(world.GetLumabelCount(), 1);
    EXPECT_EQ(world.GetCloudCount(), 0);
    EXPECT_EQ(Lumabel(0).Rect, (Rect{-400, 204, 800, 300}));
}

TEST_F(NewGameTest, ANewGameAfterGameOverStartsAfresh) {
    options.NumLumabels = 1;
    options.NumClouds = 0;
    world.NewGame();
    WorldProbe::SetScore(world, 4);
    StepTimes(71);
    ASSERT_TRUE(world.IsGameOver());
    ticks.Set(5000);
    world.NewGame();
    EXPECT_FALSE(world.IsGameOver());
    EXPECT_EQ(world.GetScore(), 0);
    EXPECT_EQ(world.GetPlayTime(), 0);
    EXPECT_EQ(WorldProbe::StartTick(world), 5000U);
    EXPECT_EQ(world.GetRecordScore(), 4);
}
