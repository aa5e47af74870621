#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engine/NoteNumber.h"
#include "engine/NoteVoice.h"
#include "settings/AppPlayOptions.h"

// The note player. The seven note files are read and decoded once, at construction, so Play
// only points the one voice at a note and costs no file access, no allocation and no decoding
// in the middle of a game. The sound device is open only while a note may sound: an open
// device keeps a thread of ours, the sound server and often the sound card awake. The game
// holds it open for play; otherwise the first note opens it, and CloseIfIdle gives it back
// once nobody holds it and the note has died away. Missing files or a missing sound device
// leave a silent player, never a message: the game is just as playable without sound.
class AppSound {
  public:
    // soundDir ends with '/'; the notes are soundDir + "note1.wav" to "note7.wav". options is
    // read at every Play, never copied, so switching sound off takes effect at the next click.
    AppSound(std::string soundDir, const AppPlayOptions& options);
    AppSound(const AppSound&) = delete;
    AppSound& operator=(const AppSound&) = delete;
    virtual ~AppSound();

    // Starts note 1 to 7 from its beginning and cuts off the one that sounds: one note at a
    // time keeps quick clicks from piling up into noise. A note whose file would not decode
    // cuts off all the same and then stays silent. With sound off, or for any other number,
    // nothing changes and a sounding note plays on.
    void Play(NoteNumber note);
    void StopAll();

    // All seven note files were read in full.
    bool HasSound() const;
    // The sound device is open; notes are heard only then. A player without its notes never
    // opens one.
    bool IsDeviceOpen() const { return device_ != nullptr; }

    // Opens the device now, unless sound is off or there are no notes, and keeps it open
    // until Release, so that Play never has to open it. A device that would not open is not
    // tried again by Play while held: opening may block, and Play runs in the middle of a game.
    void Hold();
    void Release();
    bool IsHeld() const { return held_; }
    // Closes the device, and with it SDL's audio subsystem, when nobody holds it and no note
    // sounds. True when no device is open afterwards.
    bool CloseIfIdle();
    // How long the note that sounds has left to play; zero when none sounds.
    std::chrono::milliseconds TimeLeft() const;

    // For tests, which must await playback instead of sleeping: the device reports after
    // every buffer it fills. The timeout is only a safety net and counts as false.
    // True once the note started last has played at least `frames` sample frames; false
    // when no note sounds short of that (it ended, was cut off, or none was started).
    bool AwaitNoteProgress(std::uint32_t frames, std::chrono::milliseconds timeout) const;
    // True once no note sounds.
    bool AwaitSilence(std::chrono::milliseconds timeout) const;

  private:
    class Device;  // SDL's audio subsystem and the one open device

    static void FillStream(void* self, std::uint8_t* stream, int length);
    bool ReadNoteFiles(const std::string& soundDir);
    void OpenDevice();
    void PublishProgress();

    const AppPlayOptions& options_;

    // The files as read, then the same notes decoded into the device's sample format; an
    // empty decoded note is one whose file would not decode, and it stays silent.
    std::array<std::optional<std::vector<std::uint8_t>>, NoteCount> NoteData;
    std::array<std::vector<std::uint8_t>, NoteCount> NotePcm;
    std::size_t FrameBytes = 0;

    NoteVoice Voice;  // touched only under the device lock

    // A copy of the voice's state for the waiting calls, so they never take the device lock.
    mutable std::mutex progressMutex_;
    mutable std::condition_variable progressChanged_;
    std::size_t PlayedBytes = 0;
    std::size_t NoteBytes = 0;
    bool NoteSounding = false;

    bool held_ = false;

    // Declared last so it closes first: closing joins the device thread, which reads the
    // notes, the voice and the progress above.
    std::unique_ptr<Device> device_;
};
