#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/NoteNumber.h"
#include "engine/NoteVoice.h"
#include "settings/AppPlayOptions.h"

class DeviceOpener;
class NoteObserver;
class SdlLibrary;
class SoundDevice;

// The note player. The seven note files are read at construction, all or none. The sound
// library (SDL) is loaded, and the notes decoded into the device's format, only when a device
// is first to open: the title screen, and a player with sound off, never pay for either.
// Play only points the one voice at a note and costs no file access, no allocation and no
// decoding in the middle of a game. The sound device is open only while a note may sound: an
// open device keeps a thread of ours, the sound server and often the sound card awake. The
// game holds it open for play; otherwise the first note asks for it, and CloseIfIdle gives it
// back once nobody holds it and the note has died away. The device opens and closes on a
// thread of its own (DeviceOpener): a sound server that is slow, stopped or never answers
// leaves notes silent, never the game waiting. Missing files, a missing sound library or a
// missing sound device leave a silent player, never a message: the game is just as playable
// without sound.
class AppSound {
  public:
    // The sound library as its runtime package installs it.
    static constexpr const char* SdlLibraryName = "libSDL2-2.0.so.0";

    // soundDir ends with '/'; the notes are soundDir + "note1.wav" to "note7.wav". options is
    // read at every Play, never copied, so switching sound off takes effect at the next click.
    // observer, when there is one, hears of every change of the voice and must outlive the
    // player; the game has none. library names the sound library to load.
    AppSound(std::string soundDir, const AppPlayOptions& options, NoteObserver* observer = nullptr,
             std::string library = SdlLibraryName);
    AppSound(const AppSound&) = delete;
    AppSound& operator=(const AppSound&) = delete;
    virtual ~AppSound();

    // Starts note 1 to 7 from its beginning and cuts off the one that sounds: one note at a
    // time keeps quick clicks from piling up into noise. A note whose file would not decode
    // cuts off all the same and then stays silent. With sound off, or for any other number,
    // nothing changes and a sounding note plays on. With no device open, the note asks for
    // one and sounds only if it opens within DeviceOpener::LateNoteLimit; a device that would
    // not open is not asked for again before the next Hold.
    void Play(NoteNumber note);
    void StopAll();

    // Asks for the device now, unless sound is off or there are no notes, and keeps it open
    // until Release, so that Play finds it open. Opening takes its time on the opener's
    // thread; a device that would not open before is tried again here, once a game.
    void Hold();
    void Release();
    bool IsHeld() const { return held_; }
    // Closes the device, and with it SDL's audio subsystem, when nobody holds it and no note
    // sounds; one still opening is closed once it is there. True when no device is open
    // afterwards.
    bool CloseIfIdle();
    // How long the note that sounds has left to play; zero when none sounds.
    std::chrono::milliseconds TimeLeft() const;

  private:
    friend struct AppSoundProbe;  // lets tests and benchmarks see whether notes and device are
                                  // there

    static void FillStream(void* self, std::uint8_t* stream, int length);
    static void StartLate(void* self, const SoundDevice& device, NoteNumber note);
    void ReadNoteFiles(const std::string& soundDir);
    bool HasSound() const;
    bool LoadLibrary();
    void DecodeNotes();
    // The opener, once sound is on, there are notes and the library has loaded; else null.
    DeviceOpener* Opener();
    const SoundDevice* Device() const;
    void StartNote(const SoundDevice& device, NoteNumber note);
    void Report() const;

    const AppPlayOptions& options_;
    NoteObserver* const observer_;
    const std::string libraryName_;

    // The files as read.
    std::array<std::optional<std::string>, NoteCount> noteData_;
    // Each note as the device plays it: a stretch of its file when the file already holds the
    // device's format, as the game's own notes do, otherwise its samples converted into
    // convertedPcm_. Empty for a note whose file would not decode: it stays silent.
    std::array<std::span<const std::uint8_t>, NoteCount> notePcm_;
    std::array<std::vector<std::uint8_t>, NoteCount> convertedPcm_;
    const std::size_t frameBytes_;

    NoteVoice voice_;  // touched only under the device lock

    bool held_ = false;

    // Loaded when a device is first to open, and kept; a library that would not load stays
    // here, unloaded, so that it is not tried again. Shared with the opener's thread, which
    // calls into it and may outlive the player when the sound server hangs.
    std::shared_ptr<const SdlLibrary> library_;
    // Declared last so it goes first: it stops the device's callback, which reads the notes
    // and the voice above.
    std::unique_ptr<DeviceOpener> opener_;
};
