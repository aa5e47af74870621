#include <gtest/gtest.h>

#include "support/WorldFixture.h"

namespace {
const Band WideBand{{-400, 204, 800, 300}, 0, -7};
}

class StepTest : public WorldFixture {
  protected:
    void StartWithBandAlone() {
        options.NumLumabels = 1;
        options.NumClouds = 0;
        world.NewGame();
    }
};

TEST_F(StepTest, WithoutAClickTheGameEndsInThe71stStep) {
    StartWithBandAlone();
    StepTimes(70);
    EXPECT_FALSE(world.IsGameOver());
    EXPECT_EQ(Lumabel(0).Rect.Bottom, -190);
    world.Step();
    EXPECT_TRUE(world.IsGameOver());
    EXPECT_EQ(Lumabel(0).Rect.Bottom, -197);
    EXPECT_EQ(world.GetLumabelCount(), 1);  // the carrier stays for the results screen
}

TEST_F(StepTest, TheBandRisesWithoutStretchingAndTheCharacterStandsStill) {
    StartWithBandAlone();
    StepTimes(10);
    EXPECT_EQ(Lumabel(0).Rect, (Rect{-400, 134, 800, 230}));
    EXPECT_EQ(world.GetCharacterX(), 200);
}

TEST_F(StepTest, ALumabelStretchesAtItsLeadingEdgeOnly) {
    StartWithBandAlone();
    WorldProbe::SetLumabels(world,
                            {WideBand, {{-96, -96, 0, 0}, 5, 9}, {{400, 300, 496, 396}, -3, -4}});
    StepTimes(2);
    EXPECT_EQ(Lumabel(1).Rect, (Rect{-96, -78, 10, 18}));
    EXPECT_EQ(Lumabel(2).Rect, (Rect{394, 292, 496, 388}));
}

TEST_F(StepTest, AFastFallerLeavesInIts49thMoveAndIsReplacedInTheSameStep) {
    options.NumLumabels = 2;
    options.NumClouds = 0;
    // Every spawn: speeds 1 and 12 (draws 0 and 9), corner 0: from above-left, falling 12.
    random.Script({0, 9, 0});
    world.NewGame();
    ASSERT_EQ(Lumabel(1).Rect, (Rect{-96, -96, 0, 0}));
    StepTimes(48);
    EXPECT_EQ(Lumabel(1).Rect.Top, 480);
    EXPECT_EQ(Lumabel(1).Rect.Right, 48);
    world.Step();
    ASSERT_EQ(world.GetLumabelCount(), 2);
    // The newcomer was appended and moved once by the same walk.
    EXPECT_EQ(Lumabel(1).Rect, (Rect{-96, -84, 1, 12}));
}

TEST_F(StepTest, AFastRiserLeavesInIts49thMove) {
    StartWithBandAlone();
    options.NumLumabels = 1;  // nothing replaces it
    WorldProbe::SetLumabels(world, {WideBand, {{-96, 300, 0, 396}, 1, -12}});
    StepTimes(48);
    ASSERT_EQ(world.GetLumabelCount(), 2);
    EXPECT_EQ(Lumabel(1).Rect.Bottom, -180);
    world.Step();
    EXPECT_EQ(world.GetLumabelCount(), 1);
    EXPECT_FALSE(world.IsGameOver());
}

TEST_F(StepTest, RemovingALumabelBelowTheCarrierKeepsTheCharacterOnItsLumabel) {
    StartWithBandAlone();
    const Band leaving{{-96, 480, 0, 576}, 1, 12};  // leaves in its next move
    const Band carrier{{400, 100, 496, 196}, -2, -3};
    WorldProbe::SetLumabels(world, {WideBand, leaving, carrier});
    WorldProbe::SetCarrier(world, 2, 450);
    world.Step();
    ASSERT_EQ(world.GetLumabelCount(), 2);
    EXPECT_EQ(world.GetCurrentLumabel(), 1);
    EXPECT_EQ(Lumabel(1).Rect, (Rect{398, 97, 496, 193}));
    EXPECT_EQ(world.GetCharacterX(), 448);
}

TEST_F(StepTest, RemovingALumabelAboveTheCarrierLeavesItsIndexAlone) {
    StartWithBandAlone();
    const Band leaving{{-96, 480, 0, 576}, 1, 12};
    WorldProbe::SetLumabels(world, {WideBand, leaving});
    world.Step();
    EXPECT_EQ(world.GetLumabelCount(), 1);
    EXPECT_EQ(world.GetCurrentLumabel(), 0);
}

TEST_F(StepTest, TheCharacterFollowsTheLeadingEdgeAndStopsAtTheLimits) {
    StartWithBandAlone();
    WorldProbe::SetLumabels(world,
                            {WideBand, {{-96, 0, 600, 96}, 12, 3}, {{-300, 0, 496, 96}, -12, 3}});
    WorldProbe::SetCarrier(world, 1, 790);
    world.Step();
    EXPECT_EQ(world.GetCharacterX(), 799);
    world.Step();
    EXPECT_EQ(world.GetCharacterX(), 799);
    WorldProbe::SetCarrier(world, 2, -391);
    world.Step();
    EXPECT_EQ(world.GetCharacterX(), -400);
}

TEST_F(StepTest, TheGameOverStepStillMovesAndReplacesTheOthersThenNothingChanges) {
    options.NumLumabels = 3;
    options.NumClouds = 0;
    world.NewGame();
    // The carrier leaves upward now; a lumabel below it leaves downward in the same step.
    const Band carrier{{400, -276, 496, -180}, -4, -12};
    const Band falling{{-96, 480, 0, 576}, 2, 12};
    const Band rising{{-96, 200, 0, 296}, 3, -5};
    WorldProbe::SetLumabels(world, {carrier, falling, rising});
    WorldProbe::SetCarrier(world, 0, 420);
    random.Script({11});  // the replacement: speeds 12 and 4, corner 3
    world.Step();

    ASSERT_TRUE(world.IsGameOver());
    ASSERT_EQ(world.GetLumabelCount(), 3);
    EXPECT_EQ(Lumabel(0).Rect, (Rect{396, -288, 496, -192}));
    EXPECT_EQ(Lumabel(1).Rect, (Rect{-96, 195, 3, 291}));
    EXPECT_EQ(Lumabel(2).Rect, (Rect{388, 296, 496, 392}));  // replacement, moved once
    EXPECT_EQ(world.GetCharacterX(), 416);

    world.Step();
    EXPECT_EQ(Lumabel(0).Rect, (Rect{396, -288, 496, -192}));
    EXPECT_EQ(Lumabel(2).Rect, (Rect{388, 296, 496, 392}));
    EXPECT_EQ(world.GetCharacterX(), 416);
    EXPECT_FALSE(world.Click(440, 290));
}

TEST_F(StepTest, AboveTheWantedCountLeaversAreNotReplacedUntilTheCountDropsBelowIt) {
    StartWithBandAlone();
    options.NumLumabels = 2;
    const Band leaving{{-96, 480, 0, 576}, 1, 12};
    WorldProbe::SetLumabels(world, {WideBand, leaving, leaving, leaving});
    world.Step();
    // Four in play, wanted two: the first two leavers go unreplaced, the third is replaced.
    EXPECT_EQ(world.GetLumabelCount(), 2);
    EXPECT_EQ(Lumabel(1).Rect, (Rect{400 - 12, 300 - 4, 496, 396 - 4}));
}
