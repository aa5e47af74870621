#pragma once

#include <cstdint>

#include "settings/AppPlayOptions.h"
#include "settings/AppSystemOptions.h"

// Everything the settings file carries from one run to the next.
struct StoredSettings {
    AppPlayOptions Play;
    AppSystemOptions System;
    std::int32_t RecordScore = 0;
    std::int32_t RecordTime = 0;
    std::int32_t Left = 0;  // the main window's outer top-left corner, screen pixels
    std::int32_t Top = 0;
    // Whether the file gave the position (one entry of it at least), rather than the window's.
    bool PositionStored = false;
};
