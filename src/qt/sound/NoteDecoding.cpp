#include "qt/sound/NoteDecoding.h"

#include <climits>
#include <cstring>
#include <memory>
#include <new>

#include "qt/sound/DeviceSampleRate.h"
#include "qt/sound/SdlFunctions.h"

namespace {

constexpr Uint16 DeviceSamples = 512;  // 10.7 ms: a click is heard without a lag

// A note lasts well under a second. A longer one is refused before it is converted: at a low
// sample rate a small file stands for hours of sound, and converting it would take gigabytes.
constexpr std::uint64_t MaxNoteSeconds = 5;

constexpr std::size_t HeaderBytes = 12;  // "RIFF", the length of the whole, "WAVE"
constexpr std::size_t ChunkHeaderBytes = 8;

// Gives SDL's copy of the samples back to SDL.
class WavFree {
  public:
    explicit WavFree(const SdlFunctions& sdl) : sdl_(&sdl) {}
    void operator()(Uint8* samples) const { sdl_->FreeWAV(samples); }

  private:
    const SdlFunctions* sdl_;
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

}  // namespace

std::vector<std::uint8_t> DecodeNote(const SdlFunctions& sdl, const std::string& image) {
    const SDL_AudioSpec device = DeviceFormat();
    if (image.empty() || image.size() > static_cast<std::size_t>(INT_MAX) ||
        !ChunksFitTheImage(image)) {
        return {};
    }
    SDL_RWops* const source = sdl.RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (source == nullptr) {
        return {};
    }
    SDL_AudioSpec stored{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (sdl.LoadWAV_RW(source, 1, &stored, &samples, &length) == nullptr) {
        return {};
    }
    const std::unique_ptr<Uint8, WavFree> owned(samples, WavFree(sdl));
    if (length == 0) {
        return {};
    }
    const std::uint64_t storedFrameBytes = SDL_AUDIO_BITSIZE(stored.format) / 8U * stored.channels;
    if (storedFrameBytes == 0 || stored.freq <= 0 ||
        length / storedFrameBytes > MaxNoteSeconds * static_cast<std::uint64_t>(stored.freq)) {
        return {};
    }

    SDL_AudioCVT cvt{};
    const int needed = sdl.BuildAudioCVT(&cvt, stored.format, stored.channels, stored.freq,
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
            if (sdl.ConvertAudio(&cvt) != 0) {
                return {};
            }
            pcm.resize(static_cast<std::size_t>(cvt.len_cvt));
        }
    } catch (const std::bad_alloc&) {
        return {};
    }
    // The voice hands out bytes as they come; a torn last frame would shift every sample
    // after it in the device's stream.
    pcm.resize(pcm.size() - pcm.size() % DeviceFrameBytes());
    pcm.shrink_to_fit();
    return pcm;
}

SDL_AudioSpec DeviceFormat() {
    SDL_AudioSpec format{};
    format.freq = DeviceSampleRate;
    format.format = AUDIO_S16SYS;
    format.channels = 1;
    format.samples = DeviceSamples;
    return format;
}

std::size_t DeviceFrameBytes() {
    const SDL_AudioSpec format = DeviceFormat();
    return SDL_AUDIO_BITSIZE(format.format) / 8U * format.channels;
}

std::size_t FindSamplesInImage(const std::string& image, const std::vector<std::uint8_t>& samples) {
    if (samples.empty() || image.size() < HeaderBytes) {
        return std::string::npos;
    }
    std::size_t at = HeaderBytes;
    while (at + ChunkHeaderBytes <= image.size()) {
        const std::size_t length = LittleEndian32(image, at + 4);
        const std::size_t data = at + ChunkHeaderBytes;
        if (length > image.size() - data) {
            return std::string::npos;
        }
        if (image.compare(at, 4, "data") == 0) {
            const bool same = samples.size() <= length &&
                              std::memcmp(image.data() + data, samples.data(), samples.size()) == 0;
            return same ? data : std::string::npos;
        }
        at = data + length + (length & 1U);
    }
    return std::string::npos;
}
