// The note player's loading: reading the seven note files at the start, and decoding them when
// the first device opens (SDL's dummy device here), for the real notes and for note sets made
// to hurt (the longest notes allowed at a low rate, files past the size limit, FIFOs). Besides
// the time, three counters in MiB: "read", what the player holds once built, as on the title
// screen; "kept", what it holds once its first device has closed again; "peak", the most the
// process held above its start meanwhile. SDL is loaded before the first measurement and
// kept, so loading it is not counted.

#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "WaveImage.h"
#include "qt/sound/AppSound.h"
#include "settings/AppPlayOptions.h"
#include "support/AppSoundProbe.h"

namespace {

namespace fs = std::filesystem;

// Bytes that change from one to the next, as sound does.
std::string Samples(std::size_t bytes) {
    std::string data;
    data.reserve(bytes);
    for (std::size_t i = 0; i < bytes; ++i) {
        data.push_back(static_cast<char>(i * 37U));
    }
    return data;
}

// A fresh folder with seven notes made by `make` (called with the note's path).
class NoteSet {
  public:
    explicit NoteSet(const std::function<void(const std::string&)>& make) {
        std::string pattern = (fs::temp_directory_path() / "lumabels-bench-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        for (int note = 1; note <= 7; ++note) {
            make((folder_ / ("note" + std::to_string(note) + ".wav")).string());
        }
    }
    NoteSet(const NoteSet&) = delete;
    NoteSet& operator=(const NoteSet&) = delete;
    ~NoteSet() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::string Dir() const { return folder_.string() + "/"; }

  private:
    fs::path folder_;
};

std::function<void(const std::string&)> Image(std::size_t bytes, std::uint16_t bits,
                                              std::uint32_t rate, std::uint16_t channels) {
    return [=](const std::string& path) {
        std::ofstream(path, std::ios::binary) << WaveImage(Samples(bytes), bits, rate, channels);
    };
}

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atol(line.c_str() + std::string(field).size());
        }
    }
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void LoadNotes(benchmark::State& state, const std::string& dir) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // Loaded once for the whole run (and never unloaded): the player's own loading then only
    // counts references.
    static void* const sdl = dlopen(AppSound::SdlLibraryName, RTLD_NOW);
    if (sdl == nullptr) {
        state.SkipWithError("SDL would not load");
        return;
    }
    const AppPlayOptions options;
    double read = 0;
    double kept = 0;
    double peak = 0;
    for (auto _ : state) {
        const long before = StatusKb("VmRSS:");
        ResetPeak();
        {
            AppSound sound(dir, options);
            benchmark::DoNotOptimize(AppSoundProbe::HasSound(sound));
            read = static_cast<double>(StatusKb("VmRSS:") - before) / 1024;
            sound.Hold();
            sound.Release();
            sound.CloseIfIdle();
            kept = static_cast<double>(StatusKb("VmRSS:") - before) / 1024;
            peak = static_cast<double>(StatusKb("VmHWM:") - before) / 1024;
        }
    }
    state.counters["read_MiB"] = read;
    state.counters["kept_MiB"] = kept;
    state.counters["peak_MiB"] = peak;
}

}  // namespace

static void BM_LoadNotes_Real(benchmark::State& state) {
    LoadNotes(state, LUMABELS_NOTE_DIR);
}
BENCHMARK(BM_LoadNotes_Real)->Unit(benchmark::kMillisecond);

// The longest files allowed, 1 MiB each of 16-bit samples at 100 a second: almost an hour and
// a half of sound each, refused before conversion. Converted, each would take 0.9 GB.
static void BM_LoadNotes_LowRateMebibyte(benchmark::State& state) {
    const NoteSet notes(Image(1024 * 1024 - 44, 16, 100, 1));
    LoadNotes(state, notes.Dir());
}
BENCHMARK(BM_LoadNotes_LowRateMebibyte)->Unit(benchmark::kMillisecond);

// 1.2 MB of 16-bit samples at 100 a second: past the size limit, not even read.
static void BM_LoadNotes_OverTheSizeLimit(benchmark::State& state) {
    const NoteSet notes(Image(1200 * 1000, 16, 100, 1));
    LoadNotes(state, notes.Dir());
}
BENCHMARK(BM_LoadNotes_OverTheSizeLimit)->Unit(benchmark::kMillisecond);

// Five seconds each at 8 kHz, 8-bit: the longest notes allowed, each resampled to the
// device's rate.
static void BM_LoadNotes_FiveSecondsAt8kHz(benchmark::State& state) {
    const NoteSet notes(Image(5 * 8000, 8, 8000, 1));
    LoadNotes(state, notes.Dir());
}
BENCHMARK(BM_LoadNotes_FiveSecondsAt8kHz)->Unit(benchmark::kMillisecond);

// Almost 1 MiB each of 16-bit stereo at 44.1 kHz: the most data allowed, mixed down and
// resampled to the device's rate.
static void BM_LoadNotes_MebibyteStereo44kHz(benchmark::State& state) {
    const NoteSet notes(Image(1024 * 1024 - 44, 16, 44100, 2));
    LoadNotes(state, notes.Dir());
}
BENCHMARK(BM_LoadNotes_MebibyteStereo44kHz)->Unit(benchmark::kMillisecond);

// Seven FIFOs with no writer.
static void BM_LoadNotes_Fifos(benchmark::State& state) {
    const NoteSet notes([](const std::string& path) { mkfifo(path.c_str(), 0600); });
    LoadNotes(state, notes.Dir());
}
BENCHMARK(BM_LoadNotes_Fifos)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
