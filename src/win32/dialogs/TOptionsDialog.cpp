#include "win32/dialogs/TOptionsDialog.h"

#include <string>

#include "settings/ArrangementPresets.h"
#include "settings/IntegerText.h"
#include "settings/files/windows/WideText.h"
#include "win32/Resources.h"
#include "win32/dialogs/CommonControls.h"
#include "win32/dialogs/DialogTexts.h"
#include "win32/dialogs/ExplainOptions.h"
#include "win32/translations/GameStrings.h"
#include "win32/translations/ResultsHeading.h"

TOptionsDialog* OptionsDialog = nullptr;

namespace {

constexpr int ModalOk = 1;
constexpr int ModalCancel = 2;

void SetNumber(HWND dialog, int id, std::int32_t value) {
    SetControlText(dialog, id, WideFromUtf8(IntegerToText(value)));
}

std::int32_t NumberOr(HWND dialog, int id, std::int32_t fallback) {
    return ParseIntegerOr(Utf8FromWide(ControlText(dialog, id)), fallback);
}

void SetChecked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

}  // namespace

TOptionsDialog::TOptionsDialog(HINSTANCE instance) : instance_(instance) {
    SetDefaults();
}

TOptionsDialog::~TOptionsDialog() = default;

int TOptionsDialog::ShowModal(HWND owner) {
    PrepareCommonControls();
    const INT_PTR result =
        DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_OPTIONS), owner,
                        &TOptionsDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
    return result == ModalOk ? ModalOk : ModalCancel;
}

INT_PTR CALLBACK TOptionsDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<TOptionsDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<TOptionsDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return self != nullptr ? self->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR TOptionsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:
            TranslateTexts();
            ExplainOptions(hwnd_);
            FillPresets();
            WritePlayControls();
            WriteSystemControls();
            FormShow();
            return FALSE;  // the focus is set
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    FormClose(ModalOk);
                    EndDialog(hwnd_, ModalOk);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(hwnd_, ModalCancel);
                    return TRUE;
                case IDC_DEFAULT_BUTTON:
                    Default_ButtonClick();
                    return TRUE;
                case IDC_PLAY_ARRANGE_COMBOBOX:
                    if (HIWORD(wParam) == CBN_SELCHANGE) {
                        Play_Arrange_ComboBoxChange();
                    }
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

void TOptionsDialog::TranslateTexts() const {
    TranslateDialogTexts(hwnd_, L"TOptionsDialog");
}

void TOptionsDialog::FillPresets() const {
    const HWND combo = GetDlgItem(hwnd_, IDC_PLAY_ARRANGE_COMBOBOX);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const ArrangementPreset& preset : ArrangementPresets) {
        const std::wstring name = WideFromUtf8(preset.Name);
        SendMessageW(
            combo, CB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(GameStrings::Tr(L"ArrangementPresets", name.c_str())));
    }
}

void TOptionsDialog::SetPlayOptions(AppPlayOptions options) {
    playOptions_ = std::move(options);
    WritePlayControls();
}

void TOptionsDialog::WritePlayControls() const {
    if (hwnd_ == nullptr) {
        return;
    }
    SetNumber(hwnd_, IDC_PLAY_LUMABELS_EDIT, playOptions_.NumLumabels);
    SetNumber(hwnd_, IDC_PLAY_CLOUDS_EDIT, playOptions_.NumClouds);
    SetNumber(hwnd_, IDC_PLAY_SPEED_EDIT, playOptions_.Interval);
    SetControlText(hwnd_, IDC_PLAY_MESSAGE_EDIT, ResultsHeading::Shown(playOptions_.Message));
    SetChecked(hwnd_, IDC_PLAY_SOUND_CHECKBOX, playOptions_.SoundOn);
}

void TOptionsDialog::SetSystemOptions(AppSystemOptions options) {
    systemOptions_ = options;
    WriteSystemControls();
}

void TOptionsDialog::WriteSystemControls() const {
    if (hwnd_ == nullptr) {
        return;
    }
    SetChecked(hwnd_, IDC_SYSTEM_RESTORERECORD_CHECKBOX, systemOptions_.RestoreRecord);
    SetChecked(hwnd_, IDC_SYSTEM_CLEARRECORD_CHECKBOX, systemOptions_.ClearRecord);
    SetChecked(hwnd_, IDC_SYSTEM_RESTOREPOSITION_CHECKBOX, systemOptions_.RestorePosition);
    SetChecked(hwnd_, IDC_SYSTEM_STAYONTOP_CHECKBOX, systemOptions_.StayOnTop);
}

void TOptionsDialog::SelectPreset(int row) {
    presetRow_ = row;
    if (hwnd_ != nullptr) {
        SendDlgItemMessageW(hwnd_, IDC_PLAY_ARRANGE_COMBOBOX, CB_SETCURSEL,
                            static_cast<WPARAM>(row), 0);
    }
}

void TOptionsDialog::SetDefaults() {
    SetPlayOptions(AppPlayOptions{});
    SetSystemOptions(AppSystemOptions{});
    SelectPreset(1);
}

void TOptionsDialog::FormShow() {
    SelectPreset(PresetForCounts(playOptions_.NumLumabels, playOptions_.NumClouds));
    // Enter at once accepts.
    SetFocus(GetDlgItem(hwnd_, IDOK));
}

void TOptionsDialog::Play_Arrange_ComboBoxChange() {
    const auto row =
        static_cast<int>(SendDlgItemMessageW(hwnd_, IDC_PLAY_ARRANGE_COMBOBOX, CB_GETCURSEL, 0, 0));
    presetRow_ = row;
    const std::optional<ArrangementPreset> preset = PresetCounts(row);
    if (!preset) {
        return;  // "(None)" or nothing selected
    }
    SetNumber(hwnd_, IDC_PLAY_LUMABELS_EDIT, preset->NumLumabels);
    SetNumber(hwnd_, IDC_PLAY_CLOUDS_EDIT, preset->NumClouds);
}

void TOptionsDialog::Default_ButtonClick() {
    SetDefaults();
}

void TOptionsDialog::FormClose(int modalResult) {
    if (modalResult != ModalOk) {
        return;
    }
    // A text that is no number falls back to the default, not to what was shown before.
    const AppPlayOptions defaults;
    AppPlayOptions play;
    play.NumLumabels = NumberOr(hwnd_, IDC_PLAY_LUMABELS_EDIT, defaults.NumLumabels);
    play.NumClouds = NumberOr(hwnd_, IDC_PLAY_CLOUDS_EDIT, defaults.NumClouds);
    play.Interval = NumberOr(hwnd_, IDC_PLAY_SPEED_EDIT, defaults.Interval);
    play.Message = ResultsHeading::Stored(ControlText(hwnd_, IDC_PLAY_MESSAGE_EDIT));
    play.SoundOn = IsChecked(hwnd_, IDC_PLAY_SOUND_CHECKBOX);
    SetPlayOptions(play);

    AppSystemOptions system;
    system.RestoreRecord = IsChecked(hwnd_, IDC_SYSTEM_RESTORERECORD_CHECKBOX);
    system.ClearRecord = IsChecked(hwnd_, IDC_SYSTEM_CLEARRECORD_CHECKBOX);
    system.RestorePosition = IsChecked(hwnd_, IDC_SYSTEM_RESTOREPOSITION_CHECKBOX);
    system.StayOnTop = IsChecked(hwnd_, IDC_SYSTEM_STAYONTOP_CHECKBOX);
    SetSystemOptions(system);
}
