#include <gtest/gtest.h>

#include "support/WorldFixture.h"

// Lumabel 0 is always overwritten by the starting band, so these games make two lumabels
// and look at the second one. Draw 11 gives the accepted pair (12, 4) and corner 3.
class SpawnTest : public WorldFixture {
  protected:
    void SetUp() override {
        options.NumLumabels = 2;
        options.NumClouds = 0;
    }
};

TEST_F(SpawnTest, SpeedPairsSummingBelowTwelveAreDrawnAgain) {
    // (1, 3) and (1, 10) are drawn again; (6, 6) sums to exactly 12 and is taken.
    random.Script({11, 11, 11, 0, 0, 0, 7, 5, 3, 1});
    world.NewGame();
    EXPECT_EQ(random.Drawn(), 10U);
    const Band lumabel = Lumabel(1);
    EXPECT_EQ(lumabel.SpeedX, -6);
    EXPECT_EQ(lumabel.SpeedY, 6);
}

TEST_F(SpawnTest, FastestPairIsTaken) {
    random.Script({11, 11, 11, 2147483639, 2147483639, 0});  // 2147483639 % 12 = 11, % 10 = 9
    world.NewGame();
    EXPECT_EQ(random.Drawn(), 6U);
    EXPECT_EQ(Lumabel(1).SpeedX, 12);
    EXPECT_EQ(Lumabel(1).SpeedY, 12);
}

class CornerTest : public SpawnTest, public ::testing::WithParamInterface<int> {};

TEST_P(CornerTest, SquareTouchesTheFieldAtOneCornerAndHeadsInward) {
    const int corner = GetParam();
    random.Script({11, 11, 11, 4, 6, corner + 400});  // speeds 5 and 9
    world.NewGame();
    struct Expected {
        Rect rect;
        std::int32_t speedX;
        std::int32_t speedY;
    };
    const Expected table[] = {
        {{-96, -96, 0, 0}, 5, 9},
        {{400, -96, 496, 0}, -5, 9},
        {{-96, 300, 0, 396}, 5, -9},
        {{400, 300, 496, 396}, -5, -9},
    };
    const Band lumabel = Lumabel(1);
    EXPECT_EQ(lumabel.Rect, table[corner].rect);
    EXPECT_EQ(lumabel.SpeedX, table[corner].speedX);
    EXPECT_EQ(lumabel.SpeedY, table[corner].speedY);
}

INSTANTIATE_TEST_SUITE_P(AllCorners, CornerTest, ::testing::Values(0, 1, 2, 3));

TEST_F(SpawnTest, CloudsAre80By32CentredOnTheDrawnX) {
    options.NumLumabels = 1;
    options.NumClouds = 3;
    // Lumabel: 11, 11, 11. Clouds: (0, 0), (399, 267) and raw draws that reduce to them.
    random.Script({11, 11, 11, 0, 0, 399, 267, 400 * 5 + 399, 268 * 3 + 267});
    world.NewGame();
    ASSERT_EQ(world.GetCloudCount(), 3);
    EXPECT_EQ(Cloud(0), (Rect{-40, 0, 40, 32}));
    EXPECT_EQ(Cloud(1), (Rect{359, 267, 439, 299}));
    EXPECT_EQ(Cloud(2), (Rect{359, 267, 439, 299}));
}

TEST_F(SpawnTest, NewGameMakesAsManyLumabelsAndCloudsAsTheOptionsSay) {
    for (const auto& [lumabels, clouds] : {std::pair{1, 0}, {9, 2}, {16, 16}, {6, 1}}) {
        options.NumLumabels = lumabels;
        options.NumClouds = clouds;
        world.NewGame();
        EXPECT_EQ(world.GetLumabelCount(), lumabels);
        EXPECT_EQ(world.GetCloudCount(), clouds);
    }
}
