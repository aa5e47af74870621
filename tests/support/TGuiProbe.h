#pragma once

#include <QImage>
#include <QMenu>
#include <cstdint>

#include "qt/process/KeptSettings.h"
#include "qt/window/TGui.h"
#include "settings/AppSystemOptions.h"

// Drives the main window the way its own loop and its field do (a step, a state, a key, a
// click, the popup about to open, new system options) and reads what it keeps to itself: its
// state, the picture it shows, its popup menu, the Shift count, the system options in force and
// the copy of the settings it keeps for a save.
struct TGuiProbe {
    static TGui::GameState State(const TGui& gui) { return gui.State; }
    static void SetState(TGui& gui, TGui::GameState state) { gui.SetState(state); }
    static void Tick(TGui& gui) { gui.Tick(); }
    static void ApplySystemOptions(TGui& gui, const AppSystemOptions& options) {
        gui.ApplySystemOptions(options);
    }
    static void FormKeyDown(TGui& gui, int key) { gui.FormKeyDown(key); }
    static void FormKeyUp(TGui& gui, int key) { gui.FormKeyUp(key); }
    static void FormMouseDown(TGui& gui, Qt::MouseButton button, int x, int y) {
        gui.FormMouseDown(button, x, y);
    }
    static void PopupMenu1Popup(TGui& gui) { gui.PopupMenu1Popup(); }

    static const QImage& BackBuffer(const TGui& gui) { return *gui.BackBuffer; }
    static QMenu* PopupMenu1(const TGui& gui) { return gui.PopupMenu1; }
    static std::int32_t ShiftCount(const TGui& gui) { return gui.ShiftCount; }
    static const AppSystemOptions& CurrentSystemOptions(const TGui& gui) {
        return gui.CurrentSystemOptions;
    }
    static const KeptSettings& Kept(const TGui& gui) { return gui.kept_; }
};
