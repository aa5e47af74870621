#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "win32/sound/WaveCheck.h"

namespace {

std::string Le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

std::string Le16(std::uint16_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8)};
}

std::string Chunk(const std::string& id, const std::string& body) {
    return id + Le32(static_cast<std::uint32_t>(body.size())) + body +
           (body.size() % 2 != 0 ? std::string(1, '\0') : std::string());
}

std::string Format(std::uint16_t format, std::uint16_t channels, std::uint16_t bits) {
    return Chunk("fmt ", Le16(format) + Le16(channels) + Le32(48000) +
                             Le32(48000u * channels * bits / 8) +
                             Le16(static_cast<std::uint16_t>(channels * bits / 8)) + Le16(bits));
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

const std::string Samples(64, '\x10');

struct WaveCase {
    const char* Name;
    std::string Image;
    bool Playable;
};

// Named in the output by its case, not by its bytes.
void PrintTo(const WaveCase& wave, std::ostream* out) {
    *out << wave.Name;
}

class WaveCheckTest : public testing::TestWithParam<WaveCase> {};

TEST_P(WaveCheckTest, TellsWhatThePlayerMayTake) {
    EXPECT_EQ(IsPlayableWave(GetParam().Image), GetParam().Playable) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Images, WaveCheckTest,
    testing::Values(
        WaveCase{"pcm16_mono", Riff(Format(1, 1, 16) + Chunk("data", Samples)), true},
        WaveCase{"odd_chunk_before_format",
                 Riff(Chunk("LIST", "abc") + Format(1, 2, 8) + Chunk("data", Samples)), true},
        WaveCase{"empty", "", false},
        WaveCase{"not_riff", "RIFX" + Riff(Format(1, 1, 16)).substr(4), false},
        WaveCase{"data_cut_short", Riff(Format(1, 1, 16) + Chunk("data", Samples)).substr(0, 60),
                 false},
        WaveCase{"no_format", Riff(Chunk("data", Samples)), false},
        WaveCase{"data_before_format", Riff(Chunk("data", Samples) + Format(1, 1, 16)), false},
        WaveCase{"compressed", Riff(Format(2, 1, 16) + Chunk("data", Samples)), false},
        WaveCase{"six_channels", Riff(Format(1, 6, 16) + Chunk("data", Samples)), false},
        WaveCase{"no_samples", Riff(Format(1, 1, 16) + Chunk("data", "")), false},
        WaveCase{"chunk_longer_than_file",
                 Riff(Format(1, 1, 16) + "data" + Le32(0xFFFFFFF0u) + Samples), false}),
    [](const testing::TestParamInfo<WaveCase>& info) { return std::string(info.param.Name); });

}  // namespace
