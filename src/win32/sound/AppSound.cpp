#include "win32/sound/AppSound.h"

#include <windows.h>

#include <mmsystem.h>

#include "settings/files/AtomicFile.h"
#include "win32/sound/WaveCheck.h"

namespace {

// A note file is a few tens of kilobytes; anything far bigger is not one of ours.
constexpr std::size_t MaxNoteFileBytes = 1024 * 1024;

}  // namespace

AppSound::AppSound(const std::string& soundDir, const AppPlayOptions& options) : options_(options) {
    ReadNoteFiles(soundDir);
}

AppSound::~AppSound() {
    // The system plays from our buffers: it must let go of them before they go.
    StopAll();
}

void AppSound::ReadNoteFiles(const std::string& soundDir) {
    for (int index = 0; index < NoteCount; ++index) {
        FileText file =
            ReadWholeFile(soundDir + "note" + std::to_string(index + 1) + ".wav", MaxNoteFileBytes);
        if (file.State != FileText::Kind::Read || !IsPlayableWave(file.Bytes)) {
            // Some notes and not others would make the tune sound broken; all or none.
            noteData_ = {};
            return;
        }
        noteData_[static_cast<std::size_t>(index)] = std::move(file.Bytes);
    }
}

void AppSound::Hold() {
    if (winmm_ || !options_.SoundOn || !HasSound()) {
        return;
    }
    winmm_.emplace(L"winmm.dll");
    playSound_ = winmm_->Find<PlaySoundFunction>("PlaySoundW");
}

void AppSound::Play(NoteNumber note) {
    if (!options_.SoundOn || !IsPlayableNote(note) || !HasSound()) {
        return;
    }
    if (playSound_ == nullptr) {
        return;
    }
    const std::string& image = noteData_[static_cast<std::size_t>(note - LowestNote)];
    playSound_(reinterpret_cast<LPCWSTR>(image.data()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

void AppSound::StopAll() {
    // With winmm not loaded yet no note has played, so none sounds.
    if (playSound_ != nullptr) {
        playSound_(nullptr, nullptr, 0);
    }
}
