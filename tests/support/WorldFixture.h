#pragma once

#include <gtest/gtest.h>

#include "engine/World.h"
#include "settings/AppPlayOptions.h"
#include "support/ManualTickCounter.h"
#include "support/NoteRecorder.h"
#include "support/ScriptedRandom.h"
#include "support/WorldProbe.h"

// A world with its clock, random draws, notes and options all in the test's hands.
class WorldFixture : public ::testing::Test {
  protected:
    AppPlayOptions options;
    NoteRecorder notes;
    ScriptedRandom random;
    ManualTickCounter ticks;
    World world{WorldServices{options, notes, random, ticks}};

    // Draws that make every spawned lumabel a slow riser from the bottom-left corner:
    // speeds 1 and 11, corner 2.
    static constexpr std::int32_t SlowSpeedX = 0;  // % 12 + 1 = 1
    static constexpr std::int32_t SlowSpeedY = 8;  // % 10 + 3 = 11
    static constexpr std::int32_t BottomLeft = 2;

    Band Lumabel(int index) const {
        Band out;
        world.GetLumabel(index, out);
        return out;
    }
    Rect Cloud(int index) const {
        Rect out;
        world.GetCloud(index, out);
        return out;
    }
    void StepTimes(int count) {
        for (int i = 0; i < count; ++i) {
            world.Step();
        }
    }
};
