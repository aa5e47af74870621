#pragma once

#include <string>

#include "settings/SettingsPlaceFacts.h"

// Where settings.ini is read and saved.
struct SettingsPlace {
    std::string Path;  // empty when there is nowhere to keep it
    // Read instead while Path does not exist yet; empty when there is none.
    std::string FallbackPath;
};

// The one rule of both editions:
// - A program whose data the system keeps elsewhere (an installed package) keeps the settings
//   in the user's folder, and never reads or writes any beside itself.
// - A program with its data beside it keeps them beside itself when this user may; otherwise
//   in the user's folder, and while nothing is there yet, the settings.ini beside the program
//   supplies the values if it may.
SettingsPlace ChooseSettingsPlace(const SettingsPlaceFacts& facts);
