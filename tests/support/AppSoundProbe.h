#pragma once

#include "engine/sound/AppSound.h"

// What the note player keeps to itself, for tests, the fuzzer and the benchmarks: whether it
// read its notes and whether its device is open. The game never needs to ask.
struct AppSoundProbe {
    // All seven note files were read in full.
    static bool HasSound(const AppSound& sound) { return sound.HasSound(); }
    // Notes are heard only while the device is open. A player without its notes never opens one.
    static bool IsDeviceOpen(const AppSound& sound) { return sound.device_ != nullptr; }
};
