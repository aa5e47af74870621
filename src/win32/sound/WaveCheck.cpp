#include "win32/sound/WaveCheck.h"

#include <cstdint>

namespace {

std::uint32_t Little32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

std::uint16_t Little16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

constexpr std::uint16_t PcmFormat = 1;
constexpr std::size_t HeaderBytes = 12;
constexpr std::size_t ChunkHeaderBytes = 8;
constexpr std::size_t PcmFormatBytes = 16;

}  // namespace

bool IsPlayableWave(std::string_view image) {
    if (image.size() < HeaderBytes || image.substr(0, 4) != "RIFF" ||
        image.substr(8, 4) != "WAVE") {
        return false;
    }
    bool formatOk = false;
    std::size_t at = HeaderBytes;
    while (image.size() - at >= ChunkHeaderBytes) {
        const std::string_view id = image.substr(at, 4);
        const std::uint32_t size = Little32(image, at + 4);
        const std::size_t body = at + ChunkHeaderBytes;
        if (size > image.size() - body) {
            return false;  // cut short
        }
        if (id == "fmt ") {
            if (size < PcmFormatBytes) {
                return false;
            }
            const std::uint16_t channels = Little16(image, body + 2);
            const std::uint16_t bits = Little16(image, body + 14);
            formatOk = Little16(image, body) == PcmFormat && channels >= 1 && channels <= 2 &&
                       (bits == 8 || bits == 16);
        } else if (id == "data") {
            return formatOk && size > 0;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return false;
}
