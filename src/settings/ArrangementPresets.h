#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// A named pair of counts that the options dialog offers.
struct ArrangementPreset {
    std::string_view Name;
    std::int32_t NumLumabels = 0;
    std::int32_t NumClouds = 0;
};

inline constexpr int PresetCount = 5;
inline constexpr int NoPreset = 0;  // "(None)": never applied, never matched

// Row 1 carries the defaults of a freshly constructed AppPlayOptions.
extern const std::array<ArrangementPreset, PresetCount> ArrangementPresets;

// The first of rows 1 to 4 whose counts both equal the pair, or NoPreset.
int PresetForCounts(std::int32_t numLumabels, std::int32_t numClouds);

// The counts of rows 1 to 4; nothing for row 0 or an index outside the table.
std::optional<ArrangementPreset> PresetCounts(int row);
