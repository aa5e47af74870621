#pragma once

#include <chrono>

#include "qt/sound/AppSound.h"
#include "qt/sound/DeviceOpener.h"

// What the note player keeps to itself, for tests, the fuzzer and the benchmarks: whether it
// read its notes and whether its device is open. The game never needs to ask.
struct AppSoundProbe {
    // All seven note files were read in full.
    static bool HasSound(const AppSound& sound) { return sound.HasSound(); }
    // Notes are heard only while the device is open. A player without its notes never opens one.
    static bool IsDeviceOpen(const AppSound& sound) { return sound.Device() != nullptr; }
    // Loads SDL and decodes the notes for the device, as the first note or game does, without
    // asking for a device. True once SDL is there.
    static bool DecodeNotes(AppSound& sound) { return sound.HasSound() && sound.LoadLibrary(); }
    // The device opens and closes on a thread of its own: true once that has done what it was
    // asked (or was never asked), false when timeout passes first.
    static bool AwaitDevice(const AppSound& sound, std::chrono::milliseconds timeout) {
        return sound.opener_ == nullptr || sound.opener_->AwaitSettled(timeout);
    }
    // Opens the device as the start of a game does and lets it go as its end does: open, and
    // closed again only by CloseIfIdle. True once it is open.
    static bool OpenDevice(AppSound& sound, std::chrono::milliseconds timeout) {
        sound.Hold();
        const bool settled = AwaitDevice(sound, timeout);
        sound.Release();
        return settled && IsDeviceOpen(sound);
    }
};
