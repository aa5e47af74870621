#pragma once

#include <cstdint>
#include <string>

// How a game plays. Numbers may be out of their limits here: only ApplyPlayOptions clamps.
class AppPlayOptions {
  public:
    static constexpr std::int32_t DefaultNumLumabels = 9;
    static constexpr std::int32_t DefaultNumClouds = 2;
    static constexpr std::int32_t DefaultInterval = 100;

    static constexpr std::int32_t MinNumLumabels = 1;
    static constexpr std::int32_t MaxNumLumabels = 16;
    static constexpr std::int32_t MinNumClouds = 0;
    static constexpr std::int32_t MaxNumClouds = 16;
    static constexpr std::int32_t MinInterval = 1;
    static constexpr std::int32_t MaxInterval = 1000;

    AppPlayOptions();
    AppPlayOptions(const AppPlayOptions&) = default;
    AppPlayOptions& operator=(const AppPlayOptions&) = default;
    AppPlayOptions(AppPlayOptions&&) = default;
    AppPlayOptions& operator=(AppPlayOptions&&) = default;
    virtual ~AppPlayOptions();

    std::int32_t NumLumabels = DefaultNumLumabels;
    std::int32_t NumClouds = DefaultNumClouds;
    std::int32_t Interval = DefaultInterval;  // milliseconds from one tick to the next
    std::string Message;                      // heading of the results screen; may be empty
    bool SoundOn = true;
};
