#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "shell/GameText.h"

// The controls of the Options dialog that explain themselves, named as the dialog names them.
// A label is explained with the control it names, so pointing at either tells the same.
enum class OptionsControl {
    Play_Lumabels_Label,
    Play_Lumabels_Edit,
    Play_Clouds_Label,
    Play_Clouds_Edit,
    Play_Speed_Label,
    Play_Speed_Edit,
    Play_Message_Label,
    Play_Message_Edit,
    Play_Sound_CheckBox,
    Play_Arrange_Label,
    Play_Arrange_ComboBox,
    System_RestoreRecord_CheckBox,
    System_ClearRecord_CheckBox,
    System_RestorePosition_CheckBox,
    System_StayOnTop_CheckBox,
    Ok_Button,
    Cancel_Button,
    Default_Button,
};

inline constexpr std::array<OptionsControl, 18> OptionsDialogControls = {
    OptionsControl::Play_Lumabels_Label,
    OptionsControl::Play_Lumabels_Edit,
    OptionsControl::Play_Clouds_Label,
    OptionsControl::Play_Clouds_Edit,
    OptionsControl::Play_Speed_Label,
    OptionsControl::Play_Speed_Edit,
    OptionsControl::Play_Message_Label,
    OptionsControl::Play_Message_Edit,
    OptionsControl::Play_Sound_CheckBox,
    OptionsControl::Play_Arrange_Label,
    OptionsControl::Play_Arrange_ComboBox,
    OptionsControl::System_RestoreRecord_CheckBox,
    OptionsControl::System_ClearRecord_CheckBox,
    OptionsControl::System_RestorePosition_CheckBox,
    OptionsControl::System_StayOnTop_CheckBox,
    OptionsControl::Ok_Button,
    OptionsControl::Cancel_Button,
    OptionsControl::Default_Button,
};

// What a control means to the player: a text of the "TOptionsDialog" context, whose %1, %2, ...
// each edition fills with Arguments in order once the text is in the player's language.
struct OptionExplanation {
    GameText Text;
    std::vector<std::int32_t> Arguments;
};

// A number's explanation names its range and the default that a text which is no number counts
// as, all from the option records' own limits.
OptionExplanation ExplainOption(OptionsControl control);

// A row of the Arrange list: "(None)" leaves the numbers as they are, each other row names the
// counts it sets; nothing for a row outside the list.
std::optional<OptionExplanation> ExplainPreset(int row);
