#include "win32/dialogs/ExplainOptions.h"

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "settings/files/windows/WideText.h"
#include "win32/Resources.h"
#include "win32/translations/GameStrings.h"

namespace {

// About sixty average characters a line: the longest explanation takes three lines rather than
// one as wide as the screen.
constexpr int TipWidthInDialogUnits = 240;

constexpr std::pair<OptionsControl, int> ControlIds[] = {
    {OptionsControl::Play_Lumabels_Label, IDC_PLAY_LUMABELS_LABEL},
    {OptionsControl::Play_Lumabels_Edit, IDC_PLAY_LUMABELS_EDIT},
    {OptionsControl::Play_Clouds_Label, IDC_PLAY_CLOUDS_LABEL},
    {OptionsControl::Play_Clouds_Edit, IDC_PLAY_CLOUDS_EDIT},
    {OptionsControl::Play_Speed_Label, IDC_PLAY_SPEED_LABEL},
    {OptionsControl::Play_Speed_Edit, IDC_PLAY_SPEED_EDIT},
    {OptionsControl::Play_Message_Label, IDC_PLAY_MESSAGE_LABEL},
    {OptionsControl::Play_Message_Edit, IDC_PLAY_MESSAGE_EDIT},
    {OptionsControl::Play_Sound_CheckBox, IDC_PLAY_SOUND_CHECKBOX},
    {OptionsControl::Play_Arrange_Label, IDC_PLAY_ARRANGE_LABEL},
    {OptionsControl::Play_Arrange_ComboBox, IDC_PLAY_ARRANGE_COMBOBOX},
    {OptionsControl::System_RestoreRecord_CheckBox, IDC_SYSTEM_RESTORERECORD_CHECKBOX},
    {OptionsControl::System_ClearRecord_CheckBox, IDC_SYSTEM_CLEARRECORD_CHECKBOX},
    {OptionsControl::System_RestorePosition_CheckBox, IDC_SYSTEM_RESTOREPOSITION_CHECKBOX},
    {OptionsControl::System_StayOnTop_CheckBox, IDC_SYSTEM_STAYONTOP_CHECKBOX},
    {OptionsControl::Ok_Button, IDOK},
    {OptionsControl::Cancel_Button, IDCANCEL},
    {OptionsControl::Default_Button, IDC_DEFAULT_BUTTON},
};

}  // namespace

std::wstring ExplanationText(const OptionExplanation& explanation) {
    const std::wstring context = WideFromUtf8(explanation.Text.Context);
    const std::wstring source = WideFromUtf8(explanation.Text.Source);
    std::vector<std::wstring> numbers;
    for (const std::int32_t argument : explanation.Arguments) {
        numbers.push_back(std::to_wstring(argument));
    }
    return GameStrings::Fill(GameStrings::Tr(context.c_str(), source.c_str()), numbers);
}

void ExplainOptions(HWND dialog) {
    // Owned by the dialog, so it is destroyed with it; without the common controls there is
    // none, and the dialog works without tips.
    const HWND tips = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), nullptr);
    if (tips == nullptr) {
        return;
    }
    // In the dialog's units, so the width follows its font and the screen's density.
    RECT width{0, 0, TipWidthInDialogUnits, 0};
    MapDialogRect(dialog, &width);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, width.right);
    for (const auto& [control, id] : ControlIds) {
        std::wstring text = ExplanationText(ExplainOption(control));
        TTTOOLINFOW tool{};
        // The size every version of the control knows: a larger one is refused by the older.
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        // The control itself is the tool, watched through a subclass, so the dialog need not
        // relay the mouse's messages.
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
        tool.lpszText = text.data();  // copied by the control
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
