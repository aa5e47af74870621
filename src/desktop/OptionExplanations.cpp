#include "desktop/OptionExplanations.h"

#include "settings/AppPlayOptions.h"
#include "settings/ArrangementPresets.h"

namespace {

// A number's text names its range (%1 to %2) and the default (%3) that a text which is no
// number counts as; a number outside the range is brought to the nearer end on OK.
constexpr GameText LumabelsText = GAME_TEXT(
    "TOptionsDialog",
    "How many lumabels are in play at once, from %1 to %2. A text that is not a number counts "
    "as the default, %3.");
constexpr GameText CloudsText = GAME_TEXT(
    "TOptionsDialog",
    "How many clouds are on the field at once, from %1 to %2. A text that is not a number "
    "counts as the default, %3.");
constexpr GameText SpeedText = GAME_TEXT(
    "TOptionsDialog",
    "The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. "
    "A text that is not a number counts as the default, %3.");
constexpr GameText MessageText = GAME_TEXT("TOptionsDialog", "The heading of the results screen.");
constexpr GameText SoundText = GAME_TEXT("TOptionsDialog", "Plays a note for every point scored.");
constexpr GameText ArrangeText =
    GAME_TEXT("TOptionsDialog", "Sets the numbers of lumabels and clouds together.");
constexpr GameText NoPresetText = GAME_TEXT("TOptionsDialog", "Leaves the numbers as they are.");
constexpr GameText PresetText =
    GAME_TEXT("TOptionsDialog", "Sets Lumabels to %1 and Clouds to %2.");
constexpr GameText RestoreRecordText = GAME_TEXT(
    "TOptionsDialog", "At start, the best score and the best time are taken from the last run.");
constexpr GameText ClearRecordText =
    GAME_TEXT("TOptionsDialog", "On OK, the best score and the best time go back to 0.");
constexpr GameText RestorePositionText = GAME_TEXT(
    "TOptionsDialog", "At start, the window opens where it was when the game last closed.");
constexpr GameText StayOnTopText =
    GAME_TEXT("TOptionsDialog", "The game's window stays above other windows.");
constexpr GameText OkText =
    GAME_TEXT("TOptionsDialog", "Takes the options; a game under way ends.");
constexpr GameText CancelText =
    GAME_TEXT("TOptionsDialog", "Closes the dialog and changes nothing.");
constexpr GameText DefaultText =
    GAME_TEXT("TOptionsDialog", "Puts every option in the dialog back to its default.");

}  // namespace

OptionExplanation ExplainOption(OptionsControl control) {
    using Play = AppPlayOptions;
    switch (control) {
        case OptionsControl::Play_Lumabels_Label:
        case OptionsControl::Play_Lumabels_Edit:
            return {LumabelsText,
                    {Play::MinNumLumabels, Play::MaxNumLumabels, Play::DefaultNumLumabels}};
        case OptionsControl::Play_Clouds_Label:
        case OptionsControl::Play_Clouds_Edit:
            return {CloudsText, {Play::MinNumClouds, Play::MaxNumClouds, Play::DefaultNumClouds}};
        case OptionsControl::Play_Speed_Label:
        case OptionsControl::Play_Speed_Edit:
            return {SpeedText, {Play::MinInterval, Play::MaxInterval, Play::DefaultInterval}};
        case OptionsControl::Play_Message_Label:
        case OptionsControl::Play_Message_Edit:
            return {MessageText, {}};
        case OptionsControl::Play_Sound_CheckBox:
            return {SoundText, {}};
        case OptionsControl::Play_Arrange_Label:
        case OptionsControl::Play_Arrange_ComboBox:
            return {ArrangeText, {}};
        case OptionsControl::System_RestoreRecord_CheckBox:
            return {RestoreRecordText, {}};
        case OptionsControl::System_ClearRecord_CheckBox:
            return {ClearRecordText, {}};
        case OptionsControl::System_RestorePosition_CheckBox:
            return {RestorePositionText, {}};
        case OptionsControl::System_StayOnTop_CheckBox:
            return {StayOnTopText, {}};
        case OptionsControl::Ok_Button:
            return {OkText, {}};
        case OptionsControl::Cancel_Button:
            return {CancelText, {}};
        case OptionsControl::Default_Button:
            return {DefaultText, {}};
    }
    // Only a value cast from outside the enumeration gets here: it explains nothing.
    return {GameText{"TOptionsDialog", ""}, {}};
}

std::optional<OptionExplanation> ExplainPreset(int row) {
    if (row == NoPreset) {
        return OptionExplanation{NoPresetText, {}};
    }
    if (const std::optional<ArrangementPreset> preset = PresetCounts(row)) {
        return OptionExplanation{PresetText, {preset->NumLumabels, preset->NumClouds}};
    }
    return std::nullopt;
}
