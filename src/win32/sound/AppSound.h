#pragma once

#include <array>
#include <string>

#include "engine/NoteNumber.h"
#include "settings/AppPlayOptions.h"

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

    // Starts note 1 to 7 from its beginning, cutting off the one that sounds. With sound off,
    // or for any other number, nothing changes.
    void Play(NoteNumber note);
    void StopAll();

    bool HasSound() const { return !NoteData[0].empty(); }

  private:
    void ReadNoteFiles(const std::string& soundDir);

    const AppPlayOptions& options_;
    // The files as read, or all empty. NoteData keeps the design's own name.
    std::array<std::string, NoteCount> NoteData;
};
