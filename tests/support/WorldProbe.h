#pragma once

#include <cstdint>
#include <initializer_list>

#include "engine/World.h"

// Lays out exact positions in a world, for cases that random spawning would take
// thousands of steps to reach.
struct WorldProbe {
    static void SetLumabels(World& world, std::initializer_list<Band> lumabels) {
        world.LumabelCount = 0;
        for (const Band& lumabel : lumabels) {
            world.Lumabels[static_cast<std::size_t>(world.LumabelCount++)] = lumabel;
        }
    }
    static void SetLumabel(World& world, std::int32_t index, const Band& lumabel) {
        world.Lumabels[static_cast<std::size_t>(index)] = lumabel;
    }
    static void SetClouds(World& world, std::initializer_list<Rect> clouds) {
        world.CloudCount = 0;
        for (const Rect& cloud : clouds) {
            world.Clouds[static_cast<std::size_t>(world.CloudCount++)] = cloud;
        }
    }
    static void SetCarrier(World& world, std::int32_t index, std::int32_t characterX) {
        world.CurrentLumabel = index;
        world.CharacterX = characterX;
    }
    static std::uint32_t StartTick(const World& world) { return world.StartTick; }
    static void SetScore(World& world, std::int32_t score) { world.Score = score; }
};
