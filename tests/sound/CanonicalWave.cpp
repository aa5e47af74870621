#include "CanonicalWave.h"

namespace {

std::uint32_t Get(const std::string& in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    }
    return value;
}

}  // namespace

std::optional<CanonicalWave> ReadCanonicalWave(const std::string& image) {
    constexpr std::size_t HeaderBytes = 44;
    if (image.size() < HeaderBytes || image.compare(0, 4, "RIFF") != 0 ||
        Get(image, 4, 4) != image.size() - 8 || image.compare(8, 8, "WAVEfmt ") != 0 ||
        Get(image, 16, 4) != 16 || image.compare(36, 4, "data") != 0 ||
        Get(image, 40, 4) != image.size() - HeaderBytes) {
        return std::nullopt;
    }
    CanonicalWave wave;
    wave.FormatTag = static_cast<std::uint16_t>(Get(image, 20, 2));
    wave.Channels = static_cast<std::uint16_t>(Get(image, 22, 2));
    wave.SampleRate = Get(image, 24, 4);
    wave.ByteRate = Get(image, 28, 4);
    wave.BlockAlign = static_cast<std::uint16_t>(Get(image, 32, 2));
    wave.BitsPerSample = static_cast<std::uint16_t>(Get(image, 34, 2));
    if (wave.BitsPerSample == 16) {
        for (std::size_t at = HeaderBytes; at + 1 < image.size(); at += 2) {
            wave.Samples.push_back(static_cast<std::int16_t>(Get(image, at, 2)));
        }
    }
    return wave;
}
