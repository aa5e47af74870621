// How soon a note sounds after its click, through whatever sound server or device SDL finds
// (scripts/bench starts a PulseAudio of its own). The time runs from Play, which the click's
// handler calls, to the device having taken the note's first samples: its first non-silent
// buffer.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "qt/sound/AppSound.h"
#include "settings/AppPlayOptions.h"
#include "support/AppSoundProbe.h"
#include "support/NoteProgressWatch.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::seconds Patience(5);

double MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void Report(benchmark::State& state, std::vector<double> values) {
    if (values.empty()) {
        return;
    }
    std::sort(values.begin(), values.end());
    state.counters["median_ms"] = values[values.size() / 2];
    state.counters["max_ms"] = values.back();
}

// Play, then wait for the device to have taken the note's first samples; the time between.
bool TimeOneNote(AppSound& sound, const NoteProgressWatch& watch, NoteNumber note,
                 std::vector<double>& latencies) {
    const Clock::time_point click = Clock::now();
    sound.Play(note);
    if (!watch.AwaitNoteProgress(1, Patience)) {
        return false;
    }
    latencies.push_back(MsBetween(click, Clock::now()));
    return true;
}

}  // namespace

// A game starts (the device opens) and its first note is played at once: the worst case for
// the first note of a game. Opening and closing are timed too: they hold up the start of a game
// and the results screen. This program does not link SDL, as the game does not, so the first
// opening loads it, as the first game does.
static void BM_FirstNoteOfAGame(benchmark::State& state) {
    AppPlayOptions options;
    NoteProgressWatch watch;
    AppSound sound(LUMABELS_NOTE_DIR, options, &watch);
    if (!AppSoundProbe::HasSound(sound)) {
        state.SkipWithError("no notes in " LUMABELS_NOTE_DIR);
        return;
    }
    std::vector<double> latencies;
    std::vector<double> opens;
    std::vector<double> closes;
    std::vector<double> holds;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        sound.Hold();
        holds.push_back(MsBetween(start, Clock::now()));
        const bool settled = AppSoundProbe::AwaitDevice(sound, Patience);
        opens.push_back(MsBetween(start, Clock::now()));
        if (!settled || !AppSoundProbe::IsDeviceOpen(sound)) {
            state.SkipWithError("no sound device would open");
            return;
        }
        if (!TimeOneNote(sound, watch, 1, latencies)) {
            state.SkipWithError("the note never reached the device");
            return;
        }
        sound.StopAll();
        sound.Release();
        const Clock::time_point closing = Clock::now();
        sound.CloseIfIdle();
        AppSoundProbe::AwaitDevice(sound, Patience);
        closes.push_back(MsBetween(closing, Clock::now()));
    }
    Report(state, latencies);
    // The first opening loads SDL and decodes the notes, as the first game of a run does.
    state.counters["first_open_ms"] = opens.front();
    std::sort(opens.begin(), opens.end());
    state.counters["open_median_ms"] = opens[opens.size() / 2];
    state.counters["open_max_ms"] = opens.back();
    std::sort(closes.begin(), closes.end());
    state.counters["close_median_ms"] = closes[closes.size() / 2];
    state.counters["close_max_ms"] = closes.back();
    // What the game's own thread spends on it: the opening runs on the opener's thread.
    state.counters["hold_max_ms"] = *std::max_element(holds.begin(), holds.end());
}
BENCHMARK(BM_FirstNoteOfAGame)->Iterations(20)->Unit(benchmark::kMillisecond);

// Notes in a game: the device is open, and the clicks come at any moment of its cycle.
static void BM_LaterNotes(benchmark::State& state) {
    AppPlayOptions options;
    NoteProgressWatch watch;
    AppSound sound(LUMABELS_NOTE_DIR, options, &watch);
    if (!AppSoundProbe::OpenDevice(sound, Patience)) {
        state.SkipWithError("no sound device would open");
        return;
    }
    std::vector<double> latencies;
    int round = 0;
    for (auto _ : state) {
        // Spread the clicks over more than one buffer's time.
        std::this_thread::sleep_for(std::chrono::microseconds(30000 + 1700 * (round++ % 17)));
        if (!TimeOneNote(sound, watch, static_cast<NoteNumber>(1 + round % 7), latencies)) {
            state.SkipWithError("the note never reached the device");
            return;
        }
    }
    Report(state, latencies);
}
BENCHMARK(BM_LaterNotes)->Iterations(60)->Unit(benchmark::kMillisecond);

// Run by scripts/bench with its sound server stopped (SIGSTOP): the device never opens, and
// a game's start (Hold) and each click (Play) must still return at once, well within a tick;
// so must the end of the game (the player's destruction), which leaves the opening behind.
static void BM_ClicksWithTheServerStopped(benchmark::State& state) {
    AppPlayOptions options;
    NoteProgressWatch watch;
    auto sound = std::make_unique<AppSound>(LUMABELS_NOTE_DIR, options, &watch);
    if (!AppSoundProbe::HasSound(*sound)) {
        state.SkipWithError("no notes in " LUMABELS_NOTE_DIR);
        return;
    }
    std::vector<double> calls;
    Clock::time_point start = Clock::now();
    sound->Hold();
    state.counters["start_ms"] = MsBetween(start, Clock::now());
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        start = Clock::now();
        sound->Play(static_cast<NoteNumber>(1 + calls.size() % 7));
        calls.push_back(MsBetween(start, Clock::now()));
    }
    if (AppSoundProbe::IsDeviceOpen(*sound)) {
        state.SkipWithError("the sound server answered: it was not stopped");
        return;
    }
    start = Clock::now();
    sound.reset();
    state.counters["exit_ms"] = MsBetween(start, Clock::now());
    Report(state, calls);
}
BENCHMARK(BM_ClicksWithTheServerStopped)->Iterations(20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
