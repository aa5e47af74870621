#pragma once

#include <cstdint>
#include <initializer_list>

#include "engine/AppPattern.h"

// Lays out exact positions in a world, for cases that random spawning would take
// thousands of steps to reach.
struct AppPatternProbe {
    static void SetLumabels(AppPattern& world, std::initializer_list<AppLumabel> lumabels) {
        world.LumabelCount = 0;
        for (const AppLumabel& lumabel : lumabels) {
            world.Lumabels[static_cast<std::size_t>(world.LumabelCount++)] = lumabel;
        }
    }
    static void SetLumabel(AppPattern& world, std::int32_t index, const AppLumabel& lumabel) {
        world.Lumabels[static_cast<std::size_t>(index)] = lumabel;
    }
    static void SetClouds(AppPattern& world, std::initializer_list<Rect> clouds) {
        world.CloudCount = 0;
        for (const Rect& cloud : clouds) {
            world.Clouds[static_cast<std::size_t>(world.CloudCount++)] = cloud;
        }
    }
    static void SetCarrier(AppPattern& world, std::int32_t index, std::int32_t characterX) {
        world.CurrentLumabel = index;
        world.CharacterX = characterX;
    }
    static std::uint32_t StartTick(const AppPattern& world) { return world.StartTick; }
    static void SetScore(AppPattern& world, std::int32_t score) { world.Score = score; }
};
