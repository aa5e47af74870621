#include "win32/desktop/MenuTexts.h"

#include <string>

#include "win32/translations/GameStrings.h"

void TranslateMenuTexts(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        wchar_t text[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_STRING | MIIM_SUBMENU | MIIM_FTYPE;
        item.dwTypeData = text;
        item.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &item)) {
            continue;
        }
        if (item.hSubMenu != nullptr) {
            TranslateMenuTexts(item.hSubMenu);
        }
        if ((item.fType & MFT_SEPARATOR) != 0 || text[0] == L'\0') {
            continue;
        }
        const std::wstring caption(text);
        const std::size_t tab = caption.find(L'\t');
        std::wstring translated = GameStrings::Tr(L"MainWindow", caption.substr(0, tab).c_str());
        if (tab != std::wstring::npos) {
            translated += caption.substr(tab);
        }
        MENUITEMINFOW changed{};
        changed.cbSize = sizeof(changed);
        changed.fMask = MIIM_STRING;
        changed.dwTypeData = translated.data();
        SetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &changed);
    }
}
