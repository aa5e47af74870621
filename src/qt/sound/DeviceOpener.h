#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "engine/NoteNumber.h"

class SdlLibrary;
class SoundDevice;

// Opens and closes the sound device on a thread of its own. Opening asks the sound server,
// which may take as long as it likes: forever when it is stopped or only accepts and never
// answers. The game's thread only asks, and at each note looks whether a device is there.
// An open that failed is not tried again until Open is asked to retry; one that hangs keeps
// only this thread waiting, and the next open waits behind it.
class DeviceOpener {
  public:
    // The device's callback, as SDL calls it on its own thread once the device is started.
    using Callback = void (*)(void* userdata, std::uint8_t* stream, int length);
    // Called on the opener's thread once a device asked for by a note has opened in time to
    // play it, the device started; the owner is still there while it runs.
    using LateStart = void (*)(void* userdata, const SoundDevice& device, NoteNumber note);

    // How late a note may still start once its device is there: later, it would no longer
    // belong to its click, and silence is better.
    static constexpr std::chrono::milliseconds LateNoteLimit{20};
    // How long the destructor waits for the device to close before leaving the thread behind;
    // an open that is still under way is left behind at once.
    static constexpr std::chrono::milliseconds ClosePatience{500};

    DeviceOpener(std::shared_ptr<const SdlLibrary> library, Callback callback, LateStart lateStart,
                 void* userdata);
    DeviceOpener(const DeviceOpener&) = delete;
    DeviceOpener& operator=(const DeviceOpener&) = delete;
    // Stops the callback and closes the device; an open under way, or a close that hangs, is
    // left behind on its thread, which then touches nothing of the owner's.
    ~DeviceOpener();

    // Asks for a device, unless one is open or opening. retryFailed: whether an open that
    // failed before is tried again.
    void Open(bool retryFailed);
    // The open device to play note on. With none open, asks for one, as Open without retry,
    // and has note started once it is there, if that is in time; null then.
    const SoundDevice* DeviceFor(NoteNumber note);
    // The open device, started; null while none is open. Never waits for the opening.
    const SoundDevice* Device() const;
    // A note asked for by DeviceFor will not start after all.
    void ForgetLateNote();
    // Stops the callback at once and closes the device on the opener's thread; a device still
    // opening is closed as soon as it is there.
    void Close();

  private:
    friend struct AppSoundProbe;  // lets tests await the opener's thread instead of sleeping

    // True once the opener's thread has nothing left to do; false when timeout passes first.
    bool AwaitSettled(std::chrono::milliseconds timeout) const;

    // What the opener's thread shares with its owner, kept alive by the thread itself so that
    // a thread left behind has all it touches.
    struct Line;
    std::shared_ptr<Line> line_;
};
