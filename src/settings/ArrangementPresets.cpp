#include "settings/ArrangementPresets.h"

#include "settings/AppPlayOptions.h"

namespace {
std::array<ArrangementPreset, PresetCount> MakePresets() {
    const AppPlayOptions defaults;
    return {{
        {"(None)", 0, 0},
        {"Default", defaults.NumLumabels, defaults.NumClouds},
        {"Serene", 12, 0},
        {"Cloudy", 1, 6},
        {"Moderato", 6, 1},
    }};
}
}  // namespace

const std::array<ArrangementPreset, PresetCount> ArrangementPresets = MakePresets();

int PresetForCounts(std::int32_t numLumabels, std::int32_t numClouds) {
    for (int row = 1; row < PresetCount; ++row) {
        const ArrangementPreset& preset = ArrangementPresets[static_cast<std::size_t>(row)];
        if (preset.NumLumabels == numLumabels && preset.NumClouds == numClouds) {
            return row;
        }
    }
    return NoPreset;
}

std::optional<ArrangementPreset> PresetCounts(int row) {
    if (row <= NoPreset || row >= PresetCount) {
        return std::nullopt;
    }
    return ArrangementPresets[static_cast<std::size_t>(row)];
}
