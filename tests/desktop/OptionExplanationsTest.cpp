#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "desktop/OptionExplanations.h"
#include "settings/AppPlayOptions.h"
#include "settings/ArrangementPresets.h"

namespace {

using Numbers = std::vector<std::int32_t>;

// A number names its record's range, and as default what a new record holds (what a text that
// is no number counts as on OK), and its label says the same; a preset names the counts it sets.
TEST(OptionExplanations, FillInTheRecordsOwnNumbers) {
    using Play = AppPlayOptions;
    const Play fresh;
    const std::tuple<OptionsControl, OptionsControl, Numbers> numbers[] = {
        {OptionsControl::Play_Lumabels_Label,
         OptionsControl::Play_Lumabels_Edit,
         {Play::MinNumLumabels, Play::MaxNumLumabels, fresh.NumLumabels}},
        {OptionsControl::Play_Clouds_Label,
         OptionsControl::Play_Clouds_Edit,
         {Play::MinNumClouds, Play::MaxNumClouds, fresh.NumClouds}},
        {OptionsControl::Play_Speed_Label,
         OptionsControl::Play_Speed_Edit,
         {Play::MinInterval, Play::MaxInterval, fresh.Interval}},
    };
    for (const auto& [label, edit, limits] : numbers) {
        EXPECT_EQ(ExplainOption(edit).Arguments, limits);
        EXPECT_EQ(ExplainOption(label).Arguments, limits);
        EXPECT_STREQ(ExplainOption(label).Text.Source, ExplainOption(edit).Text.Source);
    }
    EXPECT_TRUE(ExplainPreset(NoPreset).value().Arguments.empty());
    for (int row = NoPreset + 1; row < PresetCount; ++row) {
        const ArrangementPreset& preset = ArrangementPresets[static_cast<std::size_t>(row)];
        EXPECT_EQ(ExplainPreset(row).value().Arguments,
                  (Numbers{preset.NumLumabels, preset.NumClouds}));
    }
    EXPECT_FALSE(ExplainPreset(PresetCount).has_value());
}

}  // namespace
