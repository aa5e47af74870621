#pragma once

#include <QImage>
#include <QMenu>
#include <cstdint>

#include "qt/window/MainWindow.h"
#include "settings/AppSystemOptions.h"
#include "support/GameShellProbe.h"

// Drives the main window the way its field and its wake-ups do (a step, a state, a key, a
// click, the popup about to open, new system options) and reads what it keeps to itself: the
// game's state, the picture it shows, its popup menu, the Shift count, the system options in
// force and the copy of the settings it keeps for a save.
struct MainWindowProbe {
    static GameShell& Shell(MainWindow& gui) { return gui.shell_; }
    static GameShell::GameState State(const MainWindow& gui) {
        return GameShellProbe::State(gui.shell_);
    }
    static void SetState(MainWindow& gui, GameShell::GameState state) {
        GameShellProbe::SetState(gui.shell_, state);
    }
    // A step, as the window's wake-up delivers it, whatever the time.
    static void Tick(MainWindow& gui) {
        gui.OnWindowShownOrHidden();
        GameShellProbe::Tick(gui.shell_);
    }
    // The armed wake-up comes at once.
    static void Wake(MainWindow& gui) { gui.WakeGame(); }
    static bool WakeUpArmed(const MainWindow& gui) { return gui.wakeTimer_.isActive(); }
    static int WakeUpInterval(const MainWindow& gui) { return gui.wakeTimer_.interval(); }
    static void ApplySystemOptions(MainWindow& gui, const AppSystemOptions& options) {
        GameShellProbe::ApplySystemOptions(gui.shell_, options);
    }
    static void FormKeyDown(MainWindow& gui, int key) { gui.FormKeyDown(key); }
    static void FormKeyUp(MainWindow& gui, int key) { gui.FormKeyUp(key); }
    static void FormMouseDown(MainWindow& gui, Qt::MouseButton button, int x, int y) {
        gui.FormMouseDown(button, x, y);
    }
    static void PopupMenu1Popup(MainWindow& gui) { gui.PopupMenu1Popup(); }

    static const QImage& BackBuffer(const MainWindow& gui) { return *gui.backBuffer_; }
    static QMenu* PopupMenu1(const MainWindow& gui) { return gui.popupMenu_; }
    static std::int32_t ShiftCount(const MainWindow& gui) {
        return GameShellProbe::ShiftCount(gui.shell_);
    }
    static const AppSystemOptions& CurrentSystemOptions(const MainWindow& gui) {
        return GameShellProbe::CurrentSystemOptions(gui.shell_);
    }
    static const KeptSettings& Kept(MainWindow& gui) { return gui.shell_.Kept(); }
    static ::World& World(MainWindow& gui) { return GameShellProbe::World(gui.shell_); }
};
