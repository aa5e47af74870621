#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "shell/GameText.h"

// The controls of the Options dialog that explain themselves, named as the dialog names them.
// A label is explained with the control it names, so pointing at either tells the same.
enum class OptionsControl {
    Group1_Label1,
    Group1_Edit1,
    Group1_Label2,
    Group1_Edit2,
    Group1_Label3,
    Group1_Edit3,
    Group1_Label4,
    Group1_Edit4,
    Group1_CheckBox1,
    Group1_Label5,
    Group1_ComboBox1,
    Group2_CheckBox1,
    Group2_CheckBox2,
    Group2_CheckBox3,
    Group2_CheckBox4,
    Button1,
    Button2,
    Button3,
};

inline constexpr std::array<OptionsControl, 18> OptionsDialogControls = {
    OptionsControl::Group1_Label1,    OptionsControl::Group1_Edit1,
    OptionsControl::Group1_Label2,    OptionsControl::Group1_Edit2,
    OptionsControl::Group1_Label3,    OptionsControl::Group1_Edit3,
    OptionsControl::Group1_Label4,    OptionsControl::Group1_Edit4,
    OptionsControl::Group1_CheckBox1, OptionsControl::Group1_Label5,
    OptionsControl::Group1_ComboBox1, OptionsControl::Group2_CheckBox1,
    OptionsControl::Group2_CheckBox2, OptionsControl::Group2_CheckBox3,
    OptionsControl::Group2_CheckBox4, OptionsControl::Button1,
    OptionsControl::Button2,          OptionsControl::Button3,
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
