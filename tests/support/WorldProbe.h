#pragma once

#include <cstdint>
#include <initializer_list>

#include "engine/World.h"

// Lays out exact positions in a world, for cases that random spawning would take
// thousands of steps to reach.
struct WorldProbe {
    static void SetLumabels(World& world, std::initializer_list<Band> lumabels) {
        world.lumabelCount_ = 0;
        for (const Band& lumabel : lumabels) {
            world.lumabels_[static_cast<std::size_t>(world.lumabelCount_++)] = lumabel;
        }
    }
    static void SetLumabel(World& world, std::int32_t index, const Band& lumabel) {
        world.lumabels_[static_cast<std::size_t>(index)] = lumabel;
    }
    static void SetClouds(World& world, std::initializer_list<Rect> clouds) {
        world.cloudCount_ = 0;
        for (const Rect& cloud : clouds) {
            world.clouds_[static_cast<std::size_t>(world.cloudCount_++)] = cloud;
        }
    }
    static void SetCarrier(World& world, std::int32_t index, std::int32_t characterX) {
        world.currentLumabel_ = index;
        world.characterX_ = characterX;
    }
    static std::uint32_t StartTick(const World& world) { return world.startTick_; }
    static void SetScore(World& world, std::int32_t score) { world.score_ = score; }
};
