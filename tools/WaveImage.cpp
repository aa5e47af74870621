#include "WaveImage.h"

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

}  // namespace

std::string Pcm16(const std::vector<std::int16_t>& samples) {
    std::string out;
    out.reserve(samples.size() * 2);
    for (const std::int16_t sample : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

std::string WaveImage(const std::string& data, std::uint16_t bitsPerSample,
                      std::uint32_t sampleRate, std::uint16_t channels) {
    const std::uint32_t blockAlign = channels * bitsPerSample / 8U;
    std::string out = "RIFF";
    PutLittleEndian(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);  // integer PCM
    PutLittleEndian(out, channels, 2);
    PutLittleEndian(out, sampleRate, 4);
    PutLittleEndian(out, sampleRate * blockAlign, 4);
    PutLittleEndian(out, blockAlign, 2);
    PutLittleEndian(out, bitsPerSample, 2);
    out += "data";
    PutLittleEndian(out, static_cast<std::uint32_t>(data.size()), 4);
    out += data;
    return out;
}
