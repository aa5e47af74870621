#pragma once

#include <cstdint>
#include <string>

#include "settings/FileCalls.h"
#include "settings/ProfileDocument.h"
#include "settings/StoredSettings.h"

// settings.ini: section "Settings" with the comma lists "PlayOptions", "SystemOptions" and
// "Others". Every entry that is missing or not a number keeps its default; nothing here
// ever fails loudly.
class SettingsFile {
  public:
    static constexpr const char* Section = "Settings";

    // Reads the file at `path`. The position defaults to where the window is now.
    static StoredSettings Read(const std::string& path, std::int32_t left, std::int32_t top);

    // Writes the three keys in one safe replace of the file, keeping every other line of it.
    // False when the file could not be written; it is then as it was.
    static bool Write(const std::string& path, const StoredSettings& settings,
                      FileCalls& calls = SystemFileCalls());

    // The same on a document in memory.
    static StoredSettings Parse(const ProfileDocument& document, std::int32_t left,
                                std::int32_t top);
    static void Store(ProfileDocument& document, const StoredSettings& settings);
};
