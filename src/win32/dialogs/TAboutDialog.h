#pragma once

#include <windows.h>

#include <string>

// The about box, from the IDD_ABOUT template: the icon and one bold, word-wrapped paragraph
// in a lowered frame, the OK button beside it, laid out around the paragraph each time it
// opens (its window exists only while shown).
class TAboutDialog {
  public:
    explicit TAboutDialog(HINSTANCE instance);
    TAboutDialog(const TAboutDialog&) = delete;
    TAboutDialog& operator=(const TAboutDialog&) = delete;
    virtual ~TAboutDialog();

    // 1 when closed with OK, Enter or Escape; 2 with the window's close button.
    int ShowModal(HWND owner);

    // "Lumabels for Win32 Version 1.0.2. " and the notice of rights, in the player's language.
    static std::wstring Paragraph();

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void LayOut();
    void FormShow() const;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HFONT boldFont_ = nullptr;
    HICON icon_ = nullptr;
    bool closedByButton_ = false;
};

// The about box, while it exists.
extern TAboutDialog* AboutDialog;
