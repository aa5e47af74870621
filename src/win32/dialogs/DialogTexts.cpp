#include "win32/dialogs/DialogTexts.h"

#include <algorithm>
#include <vector>

#include "win32/translations/GameStrings.h"

namespace {

std::wstring WindowText(HWND window) {
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return std::wstring(text.data(), static_cast<std::size_t>(std::max(length, 0)));
}

void TranslateWindowText(HWND window, const wchar_t* context) {
    const std::wstring text = WindowText(window);
    if (!text.empty()) {
        SetWindowTextW(window, GameStrings::Tr(context, text.c_str()));
    }
}

}  // namespace

void TranslateDialogTexts(HWND dialog, const wchar_t* context) {
    TranslateWindowText(dialog, context);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16] = {};
        GetClassNameW(child, kind, 16);
        if (lstrcmpiW(kind, L"Edit") != 0 && lstrcmpiW(kind, L"ComboBox") != 0) {
            TranslateWindowText(child, context);
        }
    }
}

std::wstring ControlText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void SetControlText(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}
