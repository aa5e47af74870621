#include "win32/dialogs/TAboutDialog.h"

#include <algorithm>

#include "GameVersion.h"
#include "settings/files/windows/WideText.h"
#include "win32/Resources.h"
#include "win32/dialogs/CommonControls.h"
#include "win32/dialogs/DialogTexts.h"
#include "win32/translations/GameStrings.h"

TAboutDialog* AboutDialog = nullptr;

namespace {

constexpr const wchar_t* Context = L"TAboutDialog";

// Marked the way the translation tools look for texts, so the .ts files keep this edition's line
// beside the Linux edition's and translate it; written out as a wide literal here.
#define QT_TRANSLATE_NOOP(context, text) L"" text
constexpr const wchar_t* ProductLine = QT_TRANSLATE_NOOP("TAboutDialog", "Lumabels for Win32");

// The bounds of a control in its dialog's client coordinates.
RECT ControlBounds(HWND dialog, int id) {
    RECT bounds{};
    GetWindowRect(GetDlgItem(dialog, id), &bounds);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

void Place(HWND dialog, int id, int left, int top, int width, int height) {
    SetWindowPos(GetDlgItem(dialog, id), nullptr, left, top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int Width(const RECT& r) {
    return r.right - r.left;
}

int Height(const RECT& r) {
    return r.bottom - r.top;
}

}  // namespace

TAboutDialog::TAboutDialog(HINSTANCE instance) : instance_(instance) {}

TAboutDialog::~TAboutDialog() = default;

std::wstring TAboutDialog::Paragraph() {
    const std::wstring version =
        GameStrings::Fill(GameStrings::Tr(Context, L"Version %1"), {WideFromUtf8(GameVersion)});
    return GameStrings::Fill(
        GameStrings::Tr(Context, L"%1 %2. %3"),
        {GameStrings::Tr(Context, ProductLine), version,
         GameStrings::Tr(Context,
                         L"Copyright (c) 2026 the Lumabels developers. Free software "
                         L"under the MIT License.")});
}

int TAboutDialog::ShowModal(HWND owner) {
    closedByButton_ = false;
    PrepareCommonControls();
    DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_ABOUT), owner, &TAboutDialog::DialogProc,
                    reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(boldFont_)}) {
        if (object != nullptr) {
            DeleteObject(object);
        }
    }
    boldFont_ = nullptr;
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
        icon_ = nullptr;
    }
    return closedByButton_ ? 1 : 2;
}

INT_PTR CALLBACK TAboutDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<TAboutDialog*>(lParam)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<TAboutDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return self != nullptr ? self->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR TAboutDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:
            TranslateDialogTexts(hwnd_, Context);
            LayOut();
            FormShow();
            return FALSE;
        case WM_COMMAND:
            // Enter and Escape both mean the OK button; the close button sends IDCANCEL too,
            // but through the system menu, which says so.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                closedByButton_ = true;
                EndDialog(hwnd_, 1);
                return TRUE;
            }
            return FALSE;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                EndDialog(hwnd_, 2);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

void TAboutDialog::LayOut() {
    // The margin units come from the frame's place in the template, as the template scaled.
    const RECT bevel = ControlBounds(hwnd_, IDC_BEVEL1);
    const int h = bevel.left / 2;
    const int v = bevel.top / 2;

    const UINT dpi = GetDpiForWindow(hwnd_) != 0 ? GetDpiForWindow(hwnd_) : 96;
    const int iconSize = GetSystemMetricsForDpi(SM_CXICON, dpi);
    icon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_LUMABELS), IMAGE_ICON,
                                          iconSize, iconSize, LR_DEFAULTCOLOR));
    SendDlgItemMessageW(hwnd_, IDC_IMAGE1, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    const int imageWidth = iconSize;
    const int imageHeight = iconSize;

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&font);
    SendDlgItemMessageW(hwnd_, IDC_LABEL1, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);

    // The paragraph wrapped at the label's width in the template, no smaller than the
    // template's height wide and three icons high.
    const RECT label = ControlBounds(hwnd_, IDC_LABEL1);
    const std::wstring text = Paragraph();
    SetControlText(hwnd_, IDC_LABEL1, text);
    RECT measured{0, 0, Width(label), 0};
    const HDC dc = GetDC(hwnd_);
    const HGDIOBJ previous = SelectObject(dc, boldFont_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(hwnd_, dc);
    const int textHeight = Height(measured);
    const int labelWidth = std::max<int>(Width(measured), Height(label));
    const int labelHeight = std::max(textHeight, 3 * imageHeight);

    const RECT button = ControlBounds(hwnd_, IDOK);
    const int bevelWidth = imageWidth + labelWidth + 6 * h;
    const int bevelHeight = labelHeight + 4 * v;
    const int clientWidth = bevelWidth + Width(button) + 6 * h;
    const int clientHeight = bevelHeight + 4 * v;
    const int bevelLeft = 2 * h;
    const int imageLeft = bevelLeft + 2 * h;
    const int labelLeft = imageLeft + imageWidth + 2 * h;
    const int buttonLeft = bevelLeft + bevelWidth + 3 * h;
    const int bevelTop = 2 * v;
    const int imageTop = bevelTop + (bevelHeight - imageHeight) / 2;
    const int labelTop = bevelTop + (bevelHeight - labelHeight) / 2;

    Place(hwnd_, IDC_BEVEL1, bevelLeft, bevelTop, bevelWidth, bevelHeight);
    Place(hwnd_, IDC_IMAGE1, imageLeft, imageTop, imageWidth, imageHeight);
    // The text stands in the middle of the label's height, as the Qt form's label centres it.
    Place(hwnd_, IDC_LABEL1, labelLeft, labelTop + (labelHeight - textHeight) / 2, labelWidth,
          textHeight);
    Place(hwnd_, IDOK, buttonLeft, bevelTop, Width(button), Height(button));

    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi);
    // In the middle of the screen the box is on, as the template asks.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(hwnd_, nullptr, work.left + (Width(work) - Width(frame)) / 2,
                 work.top + (Height(work) - Height(frame)) / 2, Width(frame), Height(frame),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAboutDialog::FormShow() const {
    SetFocus(GetDlgItem(hwnd_, IDOK));
}
