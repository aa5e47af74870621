#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A canonical wave image read back, to check the notes the build wrote.

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
