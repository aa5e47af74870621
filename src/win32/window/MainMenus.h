#pragma once

#include <windows.h>

// The menu bar, the popup menu and their shortcuts, loaded from the resources in the player's
// language. The menu bar goes with the window it is given to; the rest goes with this.
class MainMenus {
  public:
    explicit MainMenus(HINSTANCE instance);
    MainMenus(const MainMenus&) = delete;
    MainMenus& operator=(const MainMenus&) = delete;
    ~MainMenus();

    HMENU MainMenu1() const { return mainMenu_; }
    HMENU PopupMenu1() const { return popupMenu_; }
    bool IsItemEnabled(int id) const;
    // Gives each popup item the enabled state of its Game menu twin.
    void FollowTwins() const;
    // Lets a shortcut act on a message taken from the queue; true when it was one.
    bool TranslateShortcut(HWND hwnd, MSG& message) const;

  private:
    HMENU mainMenu_ = nullptr;
    HMENU popupMenus_ = nullptr;
    HMENU popupMenu_ = nullptr;  // the first submenu of popupMenus_
    HACCEL accelerators_ = nullptr;
};
