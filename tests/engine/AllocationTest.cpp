#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/AppPattern.h"
#include "engine/NoteOutput.h"
#include "engine/SeededRandom.h"
#include "settings/AppPlayOptions.h"
#include "support/ManualTickCounter.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* CountedAllocation(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) {
        allocations.fetch_add(1, std::memory_order_relaxed);
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

class CountingNotes final : public NoteOutput {
  public:
    void Play(NoteNumber note) override { played += note > 0 ? 1 : 0; }
    long played = 0;
};
}  // namespace

void* operator new(std::size_t size) {
    return CountedAllocation(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocation(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(Allocation, PlayingAllocatesNothing) {
    AppPlayOptions options;
    CountingNotes notes;
    SeededRandom random(99);
    ManualTickCounter ticks;
    AppPattern world{PatternServices{options, notes, random, ticks}};
    SeededRandom player(7);

    counting = true;
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
    counting = false;

    EXPECT_EQ(allocations.load(), 0);
    EXPECT_GT(notes.played, 0);  // the games really were played
}

TEST(Allocation, TheCounterSeesAllocations) {
    counting = true;
    void* probe = ::operator new(16);
    counting = false;
    ::operator delete(probe);
    EXPECT_EQ(allocations.exchange(0), 1);
}
