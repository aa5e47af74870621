#include <gtest/gtest.h>

#include <vector>

#include "support/WorldFixture.h"

namespace {
const Band WideBand{{-400, 204, 800, 300}, 0, -7};
// Overlaps the band; its top stripe starts at y = 150.
const Band Near{{-96, 150, 100, 246}, 1, -3};
const Band NearToo{{-96, 120, 120, 216}, 2, -4};
// Entirely above the band: out of reach from it.
const Band Far{{0, 10, 200, 106}, 3, 5};
const Band Parked{{400, 300, 496, 396}, -1, -11};  // outside the field
}  // namespace

class ClickTest : public WorldFixture {
  protected:
    void SetUp() override {
        options.NumLumabels = 1;
        options.NumClouds = 0;
        world.NewGame();
        notes.notes.clear();
        random.Script({11});
    }
    void Layout(std::initializer_list<Band> lumabels, std::int32_t carrier = 0) {
        WorldProbe::SetLumabels(world, lumabels);
        WorldProbe::SetCarrier(world, carrier, 200);
    }
    std::vector<NoteNumber> Notes() const { return notes.notes; }
};

TEST_F(ClickTest, AJumpMovesTheCharacterScoresAndPlaysTheStripesNote) {
    Layout({WideBand, Near});
    EXPECT_TRUE(world.Click(50, 200));
    EXPECT_EQ(world.GetCurrentLumabel(), 1);
    EXPECT_EQ(world.GetCharacterX(), 50);
    EXPECT_EQ(world.GetScore(), 1);
    EXPECT_EQ(Notes(), std::vector<NoteNumber>{3});
}

TEST_F(ClickTest, StripesFromTopToBottomAskForNotesSixDownToOne) {
    const struct {
        std::int32_t offset;
        NoteNumber note;
    } cases[] = {{0, 6}, {15, 6}, {16, 5}, {32, 4}, {48, 3}, {64, 2}, {80, 1}, {95, 1}};
    for (const auto& c : cases) {
        Layout({WideBand, Near});
        notes.notes.clear();
        ASSERT_TRUE(world.Click(0, Near.Rect.Top + c.offset)) << c.offset;
        EXPECT_EQ(Notes(), std::vector<NoteNumber>{c.note}) << "offset " << c.offset;
    }
}

TEST_F(ClickTest, TheCarryingLumabelIsNoTarget) {
    Layout({WideBand, Far});
    EXPECT_FALSE(world.Click(300, 280));
    EXPECT_EQ(world.GetScore(), 0);
    EXPECT_EQ(world.GetCharacterX(), 200);
    EXPECT_TRUE(Notes().empty());
}

TEST_F(ClickTest, TheTopmostReachableLumabelUnderThePointWins) {
    Layout({WideBand, Near, NearToo});
    EXPECT_TRUE(world.Click(50, 200));
    EXPECT_EQ(world.GetCurrentLumabel(), 2);
    EXPECT_EQ(Notes(), std::vector<NoteNumber>{1});  // row (200 - 120) / 16 = 5, the bottom stripe
}

TEST_F(ClickTest, AnOutOfReachLumabelOnTopLetsAReachableOneBeneathTakeTheClick) {
    const Band farOnTop{{0, 60, 200, 156}, 3, 5};  // does not reach the band (Bottom 156 < 204)
    Layout({WideBand, Near, farOnTop});
    EXPECT_TRUE(world.Click(50, 152));
    EXPECT_EQ(world.GetCurrentLumabel(), 1);
}

TEST_F(ClickTest, ALumabelThatOnlyTouchesTheCarrierCannotBeReachedNorTheCloudBeneathIt) {
    options.NumClouds = 1;
    const Band carrier{{0, 100, 200, 196}, 1, -3};
    const Band touching{{50, 196, 150, 292}, 2, -4};
    Layout({carrier, touching});
    WorldProbe::SetClouds(world, {{60, 190, 140, 222}});
    EXPECT_FALSE(world.Click(100, 200));
    EXPECT_EQ(world.GetCurrentLumabel(), 0);
    EXPECT_EQ(world.GetCloudCount(), 1);
    EXPECT_EQ(Cloud(0), (Rect{60, 190, 140, 222}));
    EXPECT_EQ(world.GetScore(), 0);
    EXPECT_TRUE(Notes().empty());
}

TEST_F(ClickTest, ClicksOnTheFieldsRightAndBottomEdgesAreOutside) {
    const Band right{{300, 200, 500, 296}, 1, -3};
    const Band low{{0, 250, 96, 346}, 1, -3};
    Layout({WideBand, right, low});
    EXPECT_FALSE(world.Click(400, 250));
    EXPECT_FALSE(world.Click(50, 300));
    EXPECT_FALSE(world.Click(-1, 250));
    EXPECT_TRUE(Notes().empty());
    EXPECT_TRUE(world.Click(399, 250));
    Layout({WideBand, right, low});
    EXPECT_TRUE(world.Click(50, 299));
}

TEST_F(ClickTest, ACloudClickReplacesTheTopmostCloudAndCallsALumabel) {
    options.NumClouds = 2;
    WorldProbe::SetClouds(world, {{0, 0, 80, 32}, {50, 10, 130, 42}});
    // New cloud at (200, 100); new lumabel: speeds 12 and 4, corner 3; note draw 3.
    random.Script({200, 100, 11, 11, 11, 3});
    EXPECT_TRUE(world.Click(60, 20));
    EXPECT_EQ(random.Drawn(), 6U);
    ASSERT_EQ(world.GetCloudCount(), 2);
    EXPECT_EQ(Cloud(0), (Rect{0, 0, 80, 32}));
    EXPECT_EQ(Cloud(1), (Rect{160, 100, 240, 132}));
    ASSERT_EQ(world.GetLumabelCount(), 2);  // above the wanted count of one
    EXPECT_EQ(Lumabel(1).Rect, (Rect{400, 300, 496, 396}));
    EXPECT_EQ(world.GetScore(), 1);
    EXPECT_EQ(world.GetCurrentLumabel(), 0);
    EXPECT_EQ(world.GetCharacterX(), 200);
    EXPECT_EQ(Notes(), std::vector<NoteNumber>{4});
}

TEST_F(ClickTest, ACloudClickWithSixteenLumabelsAddsNoLumabel) {
    options.NumClouds = 1;
    Layout({WideBand, Parked, Parked, Parked, Parked, Parked, Parked, Parked, Parked, Parked,
            Parked, Parked, Parked, Parked, Parked, Parked});
    WorldProbe::SetClouds(world, {{100, 50, 180, 82}});
    random.Script({200, 100, 5});
    EXPECT_TRUE(world.Click(120, 60));
    EXPECT_EQ(random.Drawn(), 3U);
    EXPECT_EQ(world.GetLumabelCount(), 16);
    EXPECT_EQ(world.GetScore(), 1);
    EXPECT_EQ(Notes(), std::vector<NoteNumber>{6});
}

TEST_F(ClickTest, CloudNotesCoverOneToSeven) {
    options.NumClouds = 1;
    for (std::int32_t draw = 0; draw < 7; ++draw) {
        Layout({WideBand, Parked, Parked, Parked, Parked, Parked, Parked, Parked, Parked, Parked,
                Parked, Parked, Parked, Parked, Parked, Parked});
        WorldProbe::SetClouds(world, {{100, 50, 180, 82}});
        random.Script({200, 100, draw + 7 * 1000});
        ASSERT_TRUE(world.Click(120, 60));
    }
    EXPECT_EQ(Notes(), (std::vector<NoteNumber>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(ClickTest, WithoutCloudsAClickBesideTheLumabelsIsNotTaken) {
    Layout({WideBand, Near});
    EXPECT_FALSE(world.Click(300, 50));
    EXPECT_EQ(world.GetScore(), 0);
    EXPECT_EQ(random.Drawn(), 0U);
}

TEST_F(ClickTest, NothingIsTakenOnceTheGameIsOver) {
    options.NumClouds = 1;
    WorldProbe::SetClouds(world, {{100, 50, 180, 82}});
    StepTimes(71);
    ASSERT_TRUE(world.IsGameOver());
    EXPECT_FALSE(world.Click(120, 60));
    EXPECT_EQ(world.GetCloudCount(), 1);
    EXPECT_TRUE(Notes().empty());
}
