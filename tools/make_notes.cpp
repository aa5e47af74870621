// Writes the seven note sounds, note1.wav (lowest) to note7.wav (highest), into the folder
// named on the command line. The notes are computed rather than recorded so the build makes
// them from source, and the same source always gives the same bytes.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "WaveImage.h"
#include "qt/sound/DeviceSampleRate.h"

namespace {

// The device's own rate: a note in its format is played from the file as it stands.
constexpr int SampleRate = DeviceSampleRate;
constexpr double NoteSeconds = 0.45;  // short enough that a quick run of clicks stays clear
constexpr double AttackSeconds = 0.004;
constexpr double FadeSeconds = 0.04;
constexpr double PeakLevel = 0.5;  // -6 dBFS leaves room for whatever else the desktop plays

// A major pentatonic scale from C5: it has no semitone steps, so any two notes, in any
// order, sound well one after the other. MIDI key numbers.
constexpr std::array<int, 7> ScaleKeys = {72, 74, 76, 79, 81, 84, 86};

// The overtones of a struck bar: the upper ones die away first, which is what makes the
// tone read as a bell rather than an organ. The slightly stretched top partial adds the
// metallic glint of the strike without sounding out of tune once it has gone.
struct Partial {
    double Ratio;
    double Level;
    double DecaySeconds;
};
constexpr std::array<Partial, 4> Partials = {{
    {1.0, 1.0, 0.20},
    {2.0, 0.35, 0.10},
    {3.0, 0.12, 0.06},
    {4.2, 0.06, 0.025},
}};

double KeyFrequency(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

std::vector<std::int16_t> MakeNote(double frequency) {
    const int frames = static_cast<int>(std::lround(NoteSeconds * SampleRate));
    const int attackFrames = static_cast<int>(std::lround(AttackSeconds * SampleRate));
    const int fadeFrames = static_cast<int>(std::lround(FadeSeconds * SampleRate));

    std::vector<double> wave(static_cast<std::size_t>(frames));
    double peak = 0.0;
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        double value = 0.0;
        for (const Partial& partial : Partials) {
            value += partial.Level * std::exp(-t / partial.DecaySeconds) *
                     std::sin(2.0 * std::numbers::pi * frequency * partial.Ratio * t);
        }
        // Raised-cosine edges: a straight cut at either end would be heard as a click.
        if (i < attackFrames) {
            value *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / attackFrames);
        }
        const int fromEnd = frames - 1 - i;
        if (fromEnd < fadeFrames) {
            value *= 0.5 - 0.5 * std::cos(std::numbers::pi * fromEnd / fadeFrames);
        }
        wave[static_cast<std::size_t>(i)] = value;
        peak = std::max(peak, std::abs(value));
    }

    const double scale = PeakLevel * 32767.0 / peak;
    std::vector<std::int16_t> samples;
    samples.reserve(wave.size());
    for (const double value : wave) {
        samples.push_back(static_cast<std::int16_t>(std::lround(value * scale)));
    }
    return samples;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.string().c_str(),
                     error.message().c_str());
        return 1;
    }
    for (std::size_t index = 0; index < ScaleKeys.size(); ++index) {
        const std::filesystem::path path = folder / ("note" + std::to_string(index + 1) + ".wav");
        const std::string image =
            WaveImage(Pcm16(MakeNote(KeyFrequency(ScaleKeys[index]))), 16, SampleRate);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out.write(image.data(), static_cast<std::streamsize>(image.size())) || !out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
