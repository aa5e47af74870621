#include <gtest/gtest.h>

#include "settings/AppPlayOptions.h"
#include "settings/ArrangementPresets.h"

TEST(ArrangementPresets, ListsTheFiveRowsInOrder) {
    const char* names[] = {"(None)", "Default", "Serene", "Cloudy", "Moderato"};
    for (int row = 0; row < PresetCount; ++row) {
        EXPECT_EQ(ArrangementPresets[static_cast<std::size_t>(row)].Name, names[row]);
    }
}

TEST(ArrangementPresets, DefaultRowFollowsTheRecordDefaults) {
    const AppPlayOptions defaults;
    EXPECT_EQ(ArrangementPresets[1].NumLumabels, defaults.NumLumabels);
    EXPECT_EQ(ArrangementPresets[1].NumClouds, defaults.NumClouds);
}

TEST(ArrangementPresets, PairsFindTheFirstMatchingNamedRow) {
    EXPECT_EQ(PresetForCounts(9, 2), 1);
    EXPECT_EQ(PresetForCounts(12, 0), 2);
    EXPECT_EQ(PresetForCounts(1, 6), 3);
    EXPECT_EQ(PresetForCounts(6, 1), 4);
    EXPECT_EQ(PresetForCounts(9, 3), NoPreset);
    EXPECT_EQ(PresetForCounts(2, 9), NoPreset);
    EXPECT_EQ(PresetForCounts(0, 0), NoPreset);  // row 0 is never matched
}

TEST(ArrangementPresets, OnlyNamedRowsGiveCounts) {
    EXPECT_FALSE(PresetCounts(0).has_value());
    EXPECT_FALSE(PresetCounts(-1).has_value());
    EXPECT_FALSE(PresetCounts(5).has_value());
    ASSERT_TRUE(PresetCounts(2).has_value());
    EXPECT_EQ(PresetCounts(2)->NumLumabels, 12);
    EXPECT_EQ(PresetCounts(2)->NumClouds, 0);
    ASSERT_TRUE(PresetCounts(4).has_value());
    EXPECT_EQ(PresetCounts(4)->NumLumabels, 6);
    EXPECT_EQ(PresetCounts(4)->NumClouds, 1);
}
