#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Wave images built by hand, so a test can make exactly the note, or the damage, it needs.

// Little-endian signed 16-bit samples, the byte layout of a wave file's data chunk.
std::string Pcm16(const std::vector<std::int16_t>& samples);

// A canonical image: RIFF header, 16-byte PCM fmt chunk, data chunk.
std::string WaveImage(const std::string& data, std::uint16_t bitsPerSample = 16,
                      std::uint32_t sampleRate = 44100, std::uint16_t channels = 1);

struct CanonicalWave {
    std::uint16_t FormatTag = 0;
    std::uint16_t Channels = 0;
    std::uint32_t SampleRate = 0;
    std::uint32_t ByteRate = 0;
    std::uint16_t BlockAlign = 0;
    std::uint16_t BitsPerSample = 0;
    std::vector<std::int16_t> Samples;  // filled for 16-bit images only
};

// Nothing unless the image is exactly RIFF, a 16-byte fmt chunk and a data chunk whose
// sizes add up to the length of the image.
std::optional<CanonicalWave> ReadCanonicalWave(const std::string& image);
