#include "settings/CurrentPlayOptions.h"

#include <utility>

#include "settings/Clamp.h"

AppPlayOptions CurrentPlayOptions;

void ApplyPlayOptions(AppPlayOptions options) {
    Clamp(options.NumLumabels, AppPlayOptions::MinNumLumabels, AppPlayOptions::MaxNumLumabels);
    Clamp(options.NumClouds, AppPlayOptions::MinNumClouds, AppPlayOptions::MaxNumClouds);
    Clamp(options.Interval, AppPlayOptions::MinInterval, AppPlayOptions::MaxInterval);
    CurrentPlayOptions = std::move(options);
}
