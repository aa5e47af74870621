#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <iterator>
#include <map>
#include <string>

#include "desktop/OptionExplanations.h"
#include "win32/Resources.h"
#include "win32/dialogs/ExplainOptions.h"
#include "win32/dialogs/TOptionsDialog.h"
#include "win32/translations/GameStrings.h"

namespace {

// What the dialog's tooltip says over each control the mouse reaches, by the control's id.
std::map<int, std::wstring> Tips;

void ReadTips(HWND dialog) {
    HWND tooltip = nullptr;
    do {
        tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr);
    } while (tooltip != nullptr && GetWindow(tooltip, GW_OWNER) != dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[512] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = text;
        SendMessageW(tooltip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
        // A label without SS_NOTIFY lets the mouse through to the dialog: its tip never shows.
        RECT bounds{};
        GetWindowRect(child, &bounds);
        const LPARAM inside = MAKELPARAM(bounds.left + 1, bounds.top + 1);
        if (text[0] != L'\0' && SendMessageW(child, WM_NCHITTEST, 0, inside) != HTTRANSPARENT) {
            Tips[GetDlgCtrlID(child)] = text;
        }
    }
}

// Runs in the dialog's own loop, so once the dialog is up and waiting for the player.
void CALLBACK ReadTipsAndCancel(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(WC_DIALOG, nullptr);
    if (dialog == nullptr) {
        return;  // the timer comes again
    }
    KillTimer(nullptr, timer);
    ReadTips(dialog);
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// The language is program-wide: the test leaves English behind.
class ExplainOptionsTest : public testing::Test {
  protected:
    void TearDown() override { GameStrings::Choose(L"en-US"); }
};

TEST_F(ExplainOptionsTest, EachControlOfTheDialogExplainsItselfInThePlayersLanguage) {
    GameStrings::Choose(L"de-DE");
    Tips.clear();
    SetTimer(nullptr, 0, 0, ReadTipsAndCancel);
    TOptionsDialog(GetModuleHandleW(nullptr)).ShowModal(nullptr);
    // Every control, labels included, and not the group boxes, which explain nothing.
    EXPECT_EQ(Tips.size(), OptionsDialogControls.size());
    const std::wstring speed = ExplanationText(ExplainOption(OptionsControl::Play_Speed_Edit));
    EXPECT_NE(speed.find(L"Millisekunden"), std::wstring::npos);
    EXPECT_EQ(Tips[IDC_PLAY_SPEED_EDIT], speed);
    EXPECT_EQ(Tips[IDC_PLAY_SPEED_LABEL], speed);
    EXPECT_EQ(Tips[IDC_SYSTEM_STAYONTOP_CHECKBOX],
              ExplanationText(ExplainOption(OptionsControl::System_StayOnTop_CheckBox)));
    EXPECT_EQ(Tips[IDCANCEL], ExplanationText(ExplainOption(OptionsControl::Cancel_Button)));
}

}  // namespace
