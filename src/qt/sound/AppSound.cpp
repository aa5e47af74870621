#include "qt/sound/AppSound.h"

#include <algorithm>
#include <utility>

#include "qt/sound/DeviceLock.h"
#include "qt/sound/DeviceOpener.h"
#include "qt/sound/NoteDecoding.h"
#include "qt/sound/NoteObserver.h"
#include "qt/sound/SdlLibrary.h"
#include "qt/sound/SoundDevice.h"
#include "settings/files/AtomicFile.h"

namespace {

// A note file is a few tens of kilobytes. Anything far bigger is not one of ours, and turning
// it away spares an allocation of whatever size a stray file happens to have.
constexpr std::size_t MaxNoteFileBytes = 1024 * 1024;

}  // namespace

AppSound::AppSound(std::string soundDir, const AppPlayOptions& options, NoteObserver* observer,
                   std::string library)
    : options_(options),
      observer_(observer),
      libraryName_(std::move(library)),
      frameBytes_(DeviceFrameBytes()) {
    ReadNoteFiles(soundDir);
}

AppSound::~AppSound() {
    StopAll();
    opener_.reset();
}

void AppSound::ReadNoteFiles(const std::string& soundDir) {
    for (int index = 0; index < NoteCount; ++index) {
        FileText file =
            ReadWholeFile(soundDir + "note" + std::to_string(index + 1) + ".wav", MaxNoteFileBytes);
        if (file.State != FileText::Kind::Read) {
            // Some notes and not others would make the tune sound broken; all or none.
            noteData_ = {};
            return;
        }
        noteData_[index] = std::move(file.Bytes);
    }
}

bool AppSound::HasSound() const {
    return std::all_of(noteData_.begin(), noteData_.end(),
                       [](const auto& data) { return data.has_value(); });
}

bool AppSound::LoadLibrary() {
    if (library_ == nullptr) {
        library_ = std::make_shared<const SdlLibrary>(libraryName_);
        if (library_->IsLoaded()) {
            DecodeNotes();
        }
    }
    return library_->IsLoaded();
}

void AppSound::DecodeNotes() {
    // A damaged note should stay silent rather than play a fragment.
    library_->Functions().SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    for (std::size_t index = 0; index < noteData_.size(); ++index) {
        const std::string& image = *noteData_[index];
        std::vector<std::uint8_t> pcm = DecodeNote(library_->Functions(), image);
        // Samples the file already holds are played from it rather than held twice.
        const std::size_t at = FindSamplesInImage(image, pcm);
        if (at != std::string::npos) {
            notePcm_[index] = {reinterpret_cast<const std::uint8_t*>(image.data()) + at,
                               pcm.size()};
        } else {
            convertedPcm_[index] = std::move(pcm);
            notePcm_[index] = convertedPcm_[index];
        }
    }
}

DeviceOpener* AppSound::Opener() {
    if (opener_ == nullptr && options_.SoundOn && HasSound() && LoadLibrary()) {
        opener_ = std::make_unique<DeviceOpener>(library_, &AppSound::FillStream,
                                                 &AppSound::StartLate, this);
    }
    return opener_.get();
}

const SoundDevice* AppSound::Device() const {
    return opener_ == nullptr ? nullptr : opener_->Device();
}

void AppSound::Hold() {
    held_ = true;
    if (DeviceOpener* opener = Opener()) {
        opener->Open(/*retryFailed=*/true);
    }
}

void AppSound::Release() {
    held_ = false;
}

bool AppSound::CloseIfIdle() {
    const SoundDevice* device = Device();
    if (held_) {
        return device == nullptr;
    }
    if (device == nullptr) {
        // One still opening, for a note or a game gone by, is closed once it is there.
        if (opener_ != nullptr) {
            opener_->Close();
        }
        return true;
    }
    {
        const DeviceLock lock(*device);
        if (voice_.IsSounding()) {
            return false;
        }
    }
    opener_->Close();
    return true;
}

std::chrono::milliseconds AppSound::TimeLeft() const {
    const SoundDevice* device = Device();
    if (device == nullptr) {
        return std::chrono::milliseconds(0);  // nothing sounds without a device
    }
    std::size_t bytesLeft = 0;
    {
        const DeviceLock lock(*device);
        bytesLeft = voice_.Length() - voice_.Position();
    }
    const std::size_t frames = bytesLeft / frameBytes_;
    const std::size_t rate = static_cast<std::size_t>(DeviceFormat().freq);
    return std::chrono::milliseconds((frames * 1000 + rate - 1) / rate);
}

void AppSound::Play(NoteNumber note) {
    if (!options_.SoundOn || !IsPlayableNote(note)) {
        return;
    }
    DeviceOpener* opener = Opener();
    if (opener == nullptr) {
        return;
    }
    if (const SoundDevice* device = opener->DeviceFor(note)) {
        StartNote(*device, note);
    }
}

void AppSound::StartNote(const SoundDevice& device, NoteNumber note) {
    const std::span<const std::uint8_t> pcm = notePcm_[note - LowestNote];
    const DeviceLock lock(device);
    voice_.Start(pcm.data(), pcm.size());
    Report();
}

void AppSound::StartLate(void* self, const SoundDevice& device, NoteNumber note) {
    static_cast<AppSound*>(self)->StartNote(device, note);
}

void AppSound::StopAll() {
    if (opener_ == nullptr) {
        return;
    }
    opener_->ForgetLateNote();
    if (const SoundDevice* device = opener_->Device()) {
        const DeviceLock lock(*device);
        voice_.Stop();
        Report();
    }
}

void AppSound::FillStream(void* self, std::uint8_t* stream, int length) {
    AppSound& sound = *static_cast<AppSound*>(self);
    sound.voice_.Render(stream, static_cast<std::size_t>(std::max(length, 0)));
    sound.Report();
}

void AppSound::Report() const {
    if (observer_ != nullptr) {
        observer_->VoiceChanged(voice_.Position() / frameBytes_, voice_.IsSounding());
    }
}
