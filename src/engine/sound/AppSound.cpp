#include "engine/sound/AppSound.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <utility>

#include "engine/sound/NoteObserver.h"
#include "settings/AtomicFile.h"

namespace {

constexpr int SampleRate = 44100;
constexpr Uint16 DeviceSamples = 512;  // about 12 ms: a click is heard without a lag

// A note file is a few tens of kilobytes. Anything far bigger is not one of ours, and turning
// it away spares an allocation of whatever size a stray file happens to have.
constexpr std::size_t MaxNoteFileBytes = 1024 * 1024;
// A note lasts well under a second. A longer one is refused before it is converted: at a low
// sample rate a small file stands for hours of sound, and converting it would take gigabytes.
constexpr std::uint64_t MaxNoteSeconds = 5;

struct WavFree {
    void operator()(Uint8* samples) const { SDL_FreeWAV(samples); }
};

std::uint32_t LittleEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = value << 8U | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// SDL sizes its buffers by the lengths a wave image declares, before it sees whether the
// bytes are there: a file of a few bytes could make it ask for gigabytes. A chunk must fit
// in what the file holds.
bool ChunksFitTheImage(const std::string& image) {
    constexpr std::size_t HeaderBytes = 12;  // "RIFF", the length of the whole, "WAVE"
    constexpr std::size_t ChunkHeaderBytes = 8;
    if (image.size() < HeaderBytes) {
        return false;
    }
    std::size_t at = HeaderBytes;
    while (at + ChunkHeaderBytes <= image.size()) {
        const std::size_t length = LittleEndian32(image, at + 4);
        if (length > image.size() - at - ChunkHeaderBytes) {
            return false;
        }
        at += ChunkHeaderBytes + length + (length & 1U);
    }
    return true;
}

// The note in the device's format, or nothing when the image is no playable wave.
std::vector<std::uint8_t> DecodeNote(const std::string& image, const SDL_AudioSpec& device) {
    if (image.empty() || image.size() > static_cast<std::size_t>(INT_MAX) ||
        !ChunksFitTheImage(image)) {
        return {};
    }
    SDL_RWops* const source = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (source == nullptr) {
        return {};
    }
    SDL_AudioSpec stored{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(source, 1, &stored, &samples, &length) == nullptr) {
        return {};
    }
    const std::unique_ptr<Uint8, WavFree> owned(samples);
    if (length == 0) {
        return {};
    }
    const std::uint64_t storedFrameBytes = SDL_AUDIO_BITSIZE(stored.format) / 8U * stored.channels;
    if (storedFrameBytes == 0 || stored.freq <= 0 ||
        length / storedFrameBytes > MaxNoteSeconds * static_cast<std::uint64_t>(stored.freq)) {
        return {};
    }

    SDL_AudioCVT cvt{};
    const int needed = SDL_BuildAudioCVT(&cvt, stored.format, stored.channels, stored.freq,
                                         device.format, device.channels, device.freq);
    if (needed < 0) {
        return {};
    }
    std::vector<std::uint8_t> pcm;
    try {
        if (needed == 0) {
            pcm.assign(samples, samples + length);
        } else {
            if (length > static_cast<Uint32>(INT_MAX / cvt.len_mult)) {
                return {};
            }
            pcm.resize(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
            std::memcpy(pcm.data(), samples, length);
            cvt.buf = pcm.data();
            cvt.len = static_cast<int>(length);
            if (SDL_ConvertAudio(&cvt) != 0) {
                return {};
            }
            pcm.resize(static_cast<std::size_t>(cvt.len_cvt));
        }
    } catch (const std::bad_alloc&) {
        return {};
    }
    // The voice hands out bytes as they come; a torn last frame would shift every sample
    // after it in the device's stream.
    const std::size_t frameBytes = SDL_AUDIO_BITSIZE(device.format) / 8U * device.channels;
    pcm.resize(pcm.size() - pcm.size() % frameBytes);
    pcm.shrink_to_fit();
    return pcm;
}

// The format every device is opened in, and so the one the notes are decoded into.
SDL_AudioSpec DeviceFormat() {
    SDL_AudioSpec format{};
    format.freq = SampleRate;
    format.format = AUDIO_S16SYS;
    format.channels = 1;
    format.samples = DeviceSamples;
    return format;
}

}  // namespace

// Holds SDL's audio subsystem and the one device, and gives them back in reverse order.
class AppSound::Device {
  public:
    Device(SDL_AudioCallback callback, void* userdata) {
        // Without this SDL takes over SIGINT and SIGTERM, and the game would no longer end on
        // Ctrl-C or a polite kill.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // The name the desktop's mixer shows for our sound.
        SDL_SetHint(SDL_HINT_APP_NAME, "Lumabels");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Lumabels");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Lumabels");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return;
        }
        subsystemUp_ = true;

        SDL_AudioSpec desired = DeviceFormat();
        desired.callback = callback;
        desired.userdata = userdata;
        // No allowed changes: SDL converts to whatever the hardware wants, so the notes are
        // decoded once, before any device is open, into the one format every device gets.
        id_ = SDL_OpenAudioDevice(nullptr, 0, &desired, nullptr, 0);
    }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    ~Device() {
        if (id_ != 0) {
            SDL_CloseAudioDevice(id_);
        }
        if (subsystemUp_) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }

    bool IsOpen() const { return id_ != 0; }
    SDL_AudioDeviceID Id() const { return id_; }

  private:
    bool subsystemUp_ = false;
    SDL_AudioDeviceID id_ = 0;
};

AppSound::AppSound(std::string soundDir, const AppPlayOptions& options, NoteObserver* observer)
    : options_(options), observer_(observer) {
    if (!ReadNoteFiles(soundDir)) {
        return;
    }
    // A damaged note should stay silent rather than play a fragment.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    const SDL_AudioSpec format = DeviceFormat();
    for (int index = 0; index < NoteCount; ++index) {
        notePcm_[index] = DecodeNote(*NoteData[index], format);
    }
    frameBytes_ = SDL_AUDIO_BITSIZE(format.format) / 8U * format.channels;
}

void AppSound::OpenDevice() {
    if (device_ != nullptr || !HasSound()) {
        return;
    }
    auto device = std::make_unique<Device>(&AppSound::FillStream, this);
    if (!device->IsOpen()) {
        return;
    }
    device_ = std::move(device);
    SDL_PauseAudioDevice(device_->Id(), 0);
}

void AppSound::Hold() {
    held_ = true;
    if (options_.SoundOn) {
        OpenDevice();
    }
}

void AppSound::Release() {
    held_ = false;
}

bool AppSound::CloseIfIdle() {
    if (held_ || device_ == nullptr) {
        return device_ == nullptr;
    }
    SDL_LockAudioDevice(device_->Id());
    const bool sounding = voice_.IsSounding();
    SDL_UnlockAudioDevice(device_->Id());
    if (sounding) {
        return false;
    }
    device_.reset();
    return true;
}

std::chrono::milliseconds AppSound::TimeLeft() const {
    if (device_ == nullptr) {
        return std::chrono::milliseconds(0);  // nothing sounds without a device
    }
    SDL_LockAudioDevice(device_->Id());
    const std::size_t bytesLeft = voice_.Length() - voice_.Position();
    SDL_UnlockAudioDevice(device_->Id());
    const std::size_t frames = bytesLeft / frameBytes_;
    return std::chrono::milliseconds((frames * 1000 + SampleRate - 1) / SampleRate);
}

AppSound::~AppSound() {
    StopAll();
    device_.reset();
}

bool AppSound::ReadNoteFiles(const std::string& soundDir) {
    for (int index = 0; index < NoteCount; ++index) {
        FileText file =
            ReadWholeFile(soundDir + "note" + std::to_string(index + 1) + ".wav", MaxNoteFileBytes);
        if (file.State != FileText::Kind::Read) {
            // Some notes and not others would make the tune sound broken; all or none.
            NoteData = {};
            return false;
        }
        NoteData[index] = std::move(file.Bytes);
    }
    return true;
}

bool AppSound::HasSound() const {
    return std::all_of(NoteData.begin(), NoteData.end(),
                       [](const auto& data) { return data.has_value(); });
}

void AppSound::Play(NoteNumber note) {
    if (!options_.SoundOn || !IsPlayableNote(note)) {
        return;
    }
    if (device_ == nullptr && !held_) {
        OpenDevice();
    }
    if (device_ == nullptr) {
        return;
    }
    const std::vector<std::uint8_t>& pcm = notePcm_[note - LowestNote];
    SDL_LockAudioDevice(device_->Id());
    voice_.Start(pcm.data(), pcm.size());
    Report();
    SDL_UnlockAudioDevice(device_->Id());
}

void AppSound::StopAll() {
    if (device_ == nullptr) {
        return;
    }
    SDL_LockAudioDevice(device_->Id());
    voice_.Stop();
    Report();
    SDL_UnlockAudioDevice(device_->Id());
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
