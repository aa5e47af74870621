#include <benchmark/benchmark.h>

#include "engine/NoteOutput.h"
#include "engine/SeededRandom.h"
#include "engine/World.h"
#include "settings/AppPlayOptions.h"
#include "support/ManualTickCounter.h"
#include "support/WorldProbe.h"

namespace {

class DiscardNotes final : public NoteOutput {
  public:
    void Play(NoteNumber note) override { benchmark::DoNotOptimize(note); }
};

struct Bench {
    AppPlayOptions options;
    DiscardNotes notes;
    SeededRandom random{1};
    ManualTickCounter ticks;
    World world{WorldServices{options, notes, random, ticks}};
};

const Band WideBand{{-400, 204, 800, 300}, 0, -7};
// Entirely outside the field, so it covers no click.
const Band Parked{{400, 300, 496, 396}, -1, -11};

}  // namespace

// A full field: 16 lumabels that leave and are replaced as they go. The band is held still so
// the game never ends and every step does real work.
static void BM_Step16Lumabels(benchmark::State& state) {
    Bench b;
    b.options.NumLumabels = 16;
    b.world.NewGame();
    WorldProbe::SetLumabel(b.world, 0, Band{WideBand.Rect, 0, 0});
    for (auto _ : state) {
        b.world.Step();
    }
    benchmark::DoNotOptimize(b.world.GetLumabelCount());
    if (b.world.IsGameOver()) {
        state.SkipWithError("the game ended");
    }
}
BENCHMARK(BM_Step16Lumabels);

// The character jumps back and forth between the band and a lumabel over it.
static void BM_JumpClick(benchmark::State& state) {
    Bench b;
    b.options.NumLumabels = 16;
    b.world.NewGame();
    WorldProbe::SetLumabels(b.world, {WideBand,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      Parked,
                                      {{-96, 150, 100, 246}, 1, -3}});
    WorldProbe::SetCarrier(b.world, 0, 200);
    bool up = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(up ? b.world.Click(50, 170) : b.world.Click(300, 280));
        up = !up;
    }
    if (b.world.GetScore() == 0) {
        state.SkipWithError("no jump was taken");
    }
}
BENCHMARK(BM_JumpClick);

// Blows away the newest cloud each time, with 16 lumabels in play (all outside the field).
static void BM_CloudClick(benchmark::State& state) {
    Bench b;
    b.options.NumLumabels = 16;
    b.options.NumClouds = 16;
    b.world.NewGame();
    WorldProbe::SetLumabels(
        b.world, {Parked, Parked, Parked, Parked, Parked, Parked, Parked, Parked, Parked, Parked,
                  Parked, Parked, Parked, Parked, Parked, Parked});
    Rect cloud;
    for (auto _ : state) {
        b.world.GetCloud(b.world.GetCloudCount() - 1, cloud);
        benchmark::DoNotOptimize(b.world.Click(cloud.Left + 40, cloud.Top + 16));
    }
    if (b.world.GetScore() == 0) {
        state.SkipWithError("no cloud was taken");
    }
}
BENCHMARK(BM_CloudClick);

BENCHMARK_MAIN();
