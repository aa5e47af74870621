#include <gtest/gtest.h>

#include "engine/NoteOutput.h"
#include "engine/SeededRandom.h"
#include "engine/World.h"
#include "settings/AppPlayOptions.h"
#include "support/CountingAllocator.h"
#include "support/ManualTickCounter.h"

namespace {
class CountingNotes final : public NoteOutput {
  public:
    void Play(NoteNumber note) override { played += note > 0 ? 1 : 0; }
    long played = 0;
};
}  // namespace

TEST(Allocation, PlayingAllocatesNothing) {
    AppPlayOptions options;
    CountingNotes notes;
    SeededRandom random(99);
    ManualTickCounter ticks;
    World world{WorldServices{options, notes, random, ticks}};
    SeededRandom player(7);

    CountingAllocator::Start();
    for (int game = 0; game < 200; ++game) {
        options.NumLumabels = game % 16 + 1;
        options.NumClouds = game % 17;
        world.NewGame();
        while (!world.IsGameOver()) {
            world.Click(player.Below(400), player.Below(300));
            world.Step();
            ticks.Set(ticks.Now() + 16);
        }
    }
    const long allocations = CountingAllocator::Stop();

    EXPECT_EQ(allocations, 0);
    EXPECT_GT(notes.played, 0);  // the games really were played
}

TEST(Allocation, TheCounterSeesAllocations) {
    CountingAllocator::Start();
    void* probe = ::operator new(16);
    const long allocations = CountingAllocator::Stop();
    ::operator delete(probe);
    EXPECT_EQ(allocations, 1);
}
