#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CanonicalWave.h"
#include "engine/NoteNumber.h"
#include "qt/sound/NoteDecoding.h"

// The notes the build made, checked by measurement since nobody listens in a test run.
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path BuiltNote(NoteNumber note) {
    return std::string(LUMABELS_NOTE_DIR) + "note" + std::to_string(note) + ".wav";
}

CanonicalWave ReadBuiltNote(NoteNumber note) {
    const auto wave = ReadCanonicalWave(ReadFile(BuiltNote(note)));
    if (!wave) {
        ADD_FAILURE() << BuiltNote(note) << " is no canonical wave file";
        return {};
    }
    return *wave;
}

int UpwardZeroCrossings(const std::vector<std::int16_t>& samples) {
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        crossings += samples[i - 1] < 0 && samples[i] >= 0 ? 1 : 0;
    }
    return crossings;
}

class NoteFilesTest : public ::testing::TestWithParam<int> {};

TEST_P(NoteFilesTest, IsAShortCleanSixteenBitMonoNote) {
    const CanonicalWave wave = ReadBuiltNote(GetParam());
    EXPECT_EQ(wave.FormatTag, 1);
    EXPECT_EQ(wave.Channels, 1);
    // In the device's own format, so the player takes the samples as they stand in the file.
    const auto rate = static_cast<std::uint32_t>(DeviceFormat().freq);
    EXPECT_EQ(wave.SampleRate, rate);
    EXPECT_EQ(wave.ByteRate, 2 * rate);
    EXPECT_EQ(wave.BlockAlign, 2);
    EXPECT_EQ(wave.BitsPerSample, 16);
    EXPECT_EQ(static_cast<std::size_t>(wave.BitsPerSample / 8 * wave.Channels), DeviceFrameBytes());
    ASSERT_GT(wave.Samples.size(), rate / 5);
    EXPECT_LT(wave.Samples.size(), rate / 2);
    EXPECT_NEAR(static_cast<double>(wave.Samples.size()) / rate, 0.45, 0.001) << "seconds";

    // A note that starts or stops away from zero is heard as a click.
    EXPECT_LE(std::abs(wave.Samples.front()), 16);
    EXPECT_LE(std::abs(wave.Samples.back()), 16);

    const auto [low, high] = std::minmax_element(wave.Samples.begin(), wave.Samples.end());
    const double peak = std::max(-static_cast<double>(*low), static_cast<double>(*high));
    const double peakDb = 20.0 * std::log10(peak / 32768.0);
    EXPECT_GT(peakDb, -9.0);
    EXPECT_LT(peakDb, -3.0);

    // The sound dies away: the last tenth is much quieter than the first.
    const std::size_t tenth = wave.Samples.size() / 10;
    const auto loudest = [](auto first, auto last) {
        return *std::max_element(
            first, last, [](std::int16_t a, std::int16_t b) { return std::abs(a) < std::abs(b); });
    };
    EXPECT_LT(std::abs(loudest(wave.Samples.end() - tenth, wave.Samples.end())) * 4,
              std::abs(loudest(wave.Samples.begin(), wave.Samples.begin() + tenth)));
}

INSTANTIATE_TEST_SUITE_P(EachNote, NoteFilesTest, ::testing::Range(1, 8),
                         [](const auto& info) { return "note" + std::to_string(info.param); });

TEST(NoteScaleTest, EachNoteIsHigherThanTheOneBeforeAcrossAboutAnOctaveAndAHalf) {
    std::vector<int> crossings;
    for (NoteNumber note = LowestNote; note <= HighestNote; ++note) {
        crossings.push_back(UpwardZeroCrossings(ReadBuiltNote(note).Samples));
    }
    for (std::size_t i = 1; i < crossings.size(); ++i) {
        EXPECT_GT(crossings[i], crossings[i - 1]) << "note " << i + 1 << " is not higher";
    }
    // The lowest note sits near 523 Hz (C5), the highest near 1175 Hz (D6), counted in
    // seconds of the rate the file says it holds.
    const CanonicalWave lowest = ReadBuiltNote(LowestNote);
    ASSERT_GT(lowest.SampleRate, 0U);
    const double seconds = static_cast<double>(lowest.Samples.size()) / lowest.SampleRate;
    EXPECT_NEAR(crossings.front() / seconds, 523.0, 523.0 * 0.05);
    EXPECT_NEAR(crossings.back() / seconds, 1175.0, 1175.0 * 0.05);
}

TEST(NoteScaleTest, TheGeneratorWritesTheSameBytesEveryTime) {
    const std::filesystem::path again = std::filesystem::temp_directory_path() /
                                        ("lumabels-notes-again-" + std::to_string(::getpid()));
    const std::string command =
        std::string("\"") + LUMABELS_MAKE_NOTES + "\" \"" + again.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (NoteNumber note = LowestNote; note <= HighestNote; ++note) {
        const std::string name = "note" + std::to_string(note) + ".wav";
        EXPECT_EQ(ReadFile(again / name), ReadFile(BuiltNote(note))) << name;
    }
    std::filesystem::remove_all(again);
}

}  // namespace
