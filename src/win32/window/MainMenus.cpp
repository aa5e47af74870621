#include "win32/window/MainMenus.h"

#include "win32/Resources.h"
#include "win32/desktop/MenuTexts.h"

MainMenus::MainMenus(HINSTANCE instance)
    : mainMenu_(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU))),
      popupMenus_(LoadMenuW(instance, MAKEINTRESOURCEW(IDR_POPUPMENU))),
      popupMenu_(GetSubMenu(popupMenus_, 0)),
      accelerators_(LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS))) {
    TranslateMenuTexts(mainMenu_);
    TranslateMenuTexts(popupMenu_);
}

MainMenus::~MainMenus() {
    if (popupMenus_ != nullptr) {
        DestroyMenu(popupMenus_);
    }
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
}

bool MainMenus::IsItemEnabled(int id) const {
    const UINT state = GetMenuState(mainMenu_, static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) == 0;
}

void MainMenus::FollowTwins() const {
    const auto follow = [this](int popupItem, int twin) {
        EnableMenuItem(popupMenu_, static_cast<UINT>(popupItem),
                       MF_BYCOMMAND | (IsItemEnabled(twin) ? MF_ENABLED : MF_GRAYED));
    };
    follow(ID_POPUP_NEW, ID_GAME_NEW);
    follow(ID_POPUP_OPTIONS, ID_GAME_OPTIONS);
}

bool MainMenus::TranslateShortcut(HWND hwnd, MSG& message) const {
    return hwnd != nullptr && TranslateAcceleratorW(hwnd, accelerators_, &message) != 0;
}
