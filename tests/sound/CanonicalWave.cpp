#include "WaveImage.h"

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

std::uint32_t Get(const std::string& in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    }
    return value;
}

}  // namespace

std::string Pcm16(const std::vector<std::int16_t>& samples) {
    std::string out;
    for (const std::int16_t sample : samples) {
        Put(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

std::string WaveImage(const std::string& data, std::uint16_t bitsPerSample,
                      std::uint32_t sampleRate, std::uint16_t channels) {
    const std::uint32_t blockAlign = channels * bitsPerSample / 8U;
    std::string out = "RIFF";
    Put(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);
    Put(out, channels, 2);
    Put(out, sampleRate, 4);
    Put(out, sampleRate * blockAlign, 4);
    Put(out, blockAlign, 2);
    Put(out, bitsPerSample, 2);
    out += "data";
    Put(out, static_cast<std::uint32_t>(data.size()), 4);
    out += data;
    return out;
}

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
