#pragma once

#include <windows.h>

#include "settings/AppPlayOptions.h"
#include "settings/AppSystemOptions.h"

// The options dialog, from the IDD_OPTIONS template. It exchanges whole records with the main
// window and never clamps; its window exists only while it is shown, the records all along.
class TOptionsDialog {
  public:
    explicit TOptionsDialog(HINSTANCE instance);
    TOptionsDialog(const TOptionsDialog&) = delete;
    TOptionsDialog& operator=(const TOptionsDialog&) = delete;
    virtual ~TOptionsDialog();

    void SetPlayOptions(AppPlayOptions options);
    AppPlayOptions GetPlayOptions() const { return playOptions_; }
    void SetSystemOptions(AppSystemOptions options);
    AppSystemOptions GetSystemOptions() const { return systemOptions_; }
    void SetDefaults();

    // 1 for OK, 2 for Cancel, Escape or the close button.
    int ShowModal(HWND owner);

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void TranslateTexts() const;
    void FillPresets() const;
    void WritePlayControls() const;
    void WriteSystemControls() const;
    void SelectPreset(int row);
    void FormShow();
    void FormClose(int modalResult);
    void Play_Arrange_ComboBoxChange();
    void Default_ButtonClick();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    int presetRow_ = 0;  // the selection, kept while the window does not exist
    AppPlayOptions playOptions_;
    AppSystemOptions systemOptions_;
};

// The options dialog, while it exists.
extern TOptionsDialog* OptionsDialog;
