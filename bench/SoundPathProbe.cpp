// What one way of reaching the sound server costs, apart from the game: opens a device in the
// given format through whatever SDL_AUDIODRIVER names, has its callback write silence for a
// number of seconds, and "clicks" at moments spread over more than a buffer's time. Prints one
// line: how often the callback ran, the gaps between its runs, how long each click waited for
// the next run (the wait of a later note), and the CPU our threads used (in % of a core).
//
//   sound_path_probe RATE SAMPLES SECONDS

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// CPU time of every thread of this process so far, in clock ticks.
long OwnCpuTicks() {
    long total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream file(task.path() / "stat");
        std::string line;
        std::getline(file, line);
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        for (int i = 0; i < 13 && fields >> field; ++i) {
            if (i == 11 || i == 12) {  // utime, stime
                total += std::stol(field);
            }
        }
    }
    return total;
}

struct Probe {
    std::mutex mutex;
    std::condition_variable taken;
    std::vector<double> gaps;
    std::vector<double> waits;
    Clock::time_point lastRun{};
    Clock::time_point click{};
    bool clicked = false;
    long runs = 0;
};

void Fill(void* userdata, Uint8* stream, int length) {
    Probe& probe = *static_cast<Probe*>(userdata);
    const Clock::time_point now = Clock::now();
    std::fill(stream, stream + std::max(length, 0), Uint8{0});
    const std::lock_guard lock(probe.mutex);
    if (probe.runs++ > 0) {
        probe.gaps.push_back(MsSince(probe.lastRun, now));
    }
    probe.lastRun = now;
    if (probe.clicked) {
        probe.clicked = false;
        probe.waits.push_back(MsSince(probe.click, now));
        probe.taken.notify_one();
    }
}

double At(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RATE SAMPLES SECONDS\n", argv[0]);
        return 2;
    }
    const int rate = std::atoi(argv[1]);
    const int samples = std::atoi(argv[2]);
    const double seconds = std::atof(argv[3]);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "no sound: %s\n", SDL_GetError());
        return 1;
    }
    Probe probe;
    SDL_AudioSpec wanted{};
    wanted.freq = rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = static_cast<Uint16>(samples);
    wanted.callback = &Fill;
    wanted.userdata = &probe;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        std::fprintf(stderr, "no device: %s\n", SDL_GetError());
        return 1;
    }
    SDL_PauseAudioDevice(device, 0);
    // The stream's start is not what is measured.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    {
        const std::lock_guard lock(probe.mutex);
        probe.gaps.clear();
        probe.runs = 0;
    }

    const long cpuBefore = OwnCpuTicks();
    const Clock::time_point start = Clock::now();
    const auto length = std::chrono::duration<double>(seconds);
    for (int round = 0; Clock::now() - start < length; ++round) {
        std::this_thread::sleep_for(std::chrono::microseconds(30000 + 1700 * (round % 17)));
        std::unique_lock lock(probe.mutex);
        probe.click = Clock::now();
        probe.clicked = true;
        probe.taken.wait_for(lock, std::chrono::seconds(2), [&] { return !probe.clicked; });
    }
    const double elapsed = MsSince(start, Clock::now()) / 1000;
    const double cpu = 100.0 * static_cast<double>(OwnCpuTicks() - cpuBefore) /
                       static_cast<double>(sysconf(_SC_CLK_TCK)) / elapsed;
    SDL_CloseAudioDevice(device);
    const std::lock_guard lock(probe.mutex);
    std::printf(
        "driver=%s runs_per_s=%.1f gap_median_ms=%.2f gap_max_ms=%.2f wait_median_ms=%.2f "
        "wait_p95_ms=%.2f wait_max_ms=%.2f cpu_pct=%.2f\n",
        SDL_GetCurrentAudioDriver(), static_cast<double>(probe.runs) / elapsed, At(probe.gaps, 0.5),
        At(probe.gaps, 1), At(probe.waits, 0.5), At(probe.waits, 0.95), At(probe.waits, 1), cpu);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
}
