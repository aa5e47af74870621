#pragma once

#include <QImage>
#include <QMenu>
#include <cstdint>

#include "qt/process/KeptSettings.h"
#include "qt/window/TGui.h"
#include "settings/AppSystemOptions.h"

// Reads what the main window keeps to itself: the picture it shows, its popup menu, the Shift
// count, the system options in force and the copy of the settings it keeps for a save.
struct TGuiProbe {
    static const QImage& BackBuffer(const TGui& gui) { return *gui.BackBuffer; }
    static QMenu* PopupMenu1(const TGui& gui) { return gui.PopupMenu1; }
    static std::int32_t ShiftCount(const TGui& gui) { return gui.ShiftCount; }
    static const AppSystemOptions& CurrentSystemOptions(const TGui& gui) {
        return gui.CurrentSystemOptions;
    }
    static const KeptSettings& Kept(const TGui& gui) { return gui.kept_; }
};
