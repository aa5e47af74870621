#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/NoteNumber.h"
#include "settings/AppPlayOptions.h"
#include "win32/system/LoadedLibrary.h"

// The note player of the Windows edition. The seven note files are read at construction, all
// or none, and kept whole in memory; the system's play-sound call plays one of them
// asynchronously straight from there, and each call cuts off the note that sounds. So Play
// costs no file access and no allocation. Missing or damaged files leave a silent player,
// never a message: the game is just as playable without sound.
class AppSound {
  public:
    // soundDir is UTF-8 and ends with '\'; the notes are note1.wav to note7.wav in it. options
    // is read at every Play, never copied, so switching sound off takes effect at the next click.
    AppSound(const std::string& soundDir, const AppPlayOptions& options);
    AppSound(const AppSound&) = delete;
    AppSound& operator=(const AppSound&) = delete;
    virtual ~AppSound();

    // A game is about to start: with sound on, the system's sound library is made ready here,
    // once, so that Play itself never touches a file.
    void Hold();
    // Starts note 1 to 7 from its beginning, cutting off the one that sounds. With sound off,
    // before any Hold, or for any other number, nothing changes.
    void Play(NoteNumber note);
    void StopAll();

    bool HasSound() const { return !noteData_[0].empty(); }

  private:
    friend struct AppSoundProbe;  // lets tests watch the play-sound call

    void ReadNoteFiles(const std::string& soundDir);

    using PlaySoundFunction = BOOL WINAPI(LPCWSTR, HMODULE, DWORD);

    const AppPlayOptions& options_;
    // winmm and its play-sound call, loaded when the first game with sound starts rather than
    // imported: an import maps it, and the sound libraries it pulls in, at every start, though
    // the title plays nothing. Declared before the notes, so it is let go of after them.
    std::optional<LoadedLibrary> winmm_;
    PlaySoundFunction* playSound_ = nullptr;
    // The files as read, or all empty.
    std::array<std::string, NoteCount> noteData_;
};
