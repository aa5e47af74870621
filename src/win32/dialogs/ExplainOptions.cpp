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
    {OptionsControl::Group1_Label1, IDC_GROUP1_LABEL1},
    {OptionsControl::Group1_Edit1, IDC_GROUP1_EDIT1},
    {OptionsControl::Group1_Label2, IDC_GROUP1_LABEL2},
    {OptionsControl::Group1_Edit2, IDC_GROUP1_EDIT2},
    {OptionsControl::Group1_Label3, IDC_GROUP1_LABEL3},
    {OptionsControl::Group1_Edit3, IDC_GROUP1_EDIT3},
    {OptionsControl::Group1_Label4, IDC_GROUP1_LABEL4},
    {OptionsControl::Group1_Edit4, IDC_GROUP1_EDIT4},
    {OptionsControl::Group1_CheckBox1, IDC_GROUP1_CHECKBOX1},
    {OptionsControl::Group1_Label5, IDC_GROUP1_LABEL5},
    {OptionsControl::Group1_ComboBox1, IDC_GROUP1_COMBOBOX1},
    {OptionsControl::Group2_CheckBox1, IDC_GROUP2_CHECKBOX1},
    {OptionsControl::Group2_CheckBox2, IDC_GROUP2_CHECKBOX2},
    {OptionsControl::Group2_CheckBox3, IDC_GROUP2_CHECKBOX3},
    {OptionsControl::Group2_CheckBox4, IDC_GROUP2_CHECKBOX4},
    {OptionsControl::Button1, IDOK},
    {OptionsControl::Button2, IDCANCEL},
    {OptionsControl::Button3, IDC_BUTTON3},
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
