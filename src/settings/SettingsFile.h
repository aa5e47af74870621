#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/ProfileDocument.h"
#include "settings/StoredSettings.h"
#include "settings/files/FileCalls.h"
#include "settings/files/FileText.h"
#include "settings/files/WriteOutcome.h"

// settings.ini: section "Settings" with the comma lists "PlayOptions", "SystemOptions" and
// "Others". Every entry that is missing or not a number keeps its default; nothing here
// ever fails loudly, and no exception leaves a load or a save.
class SettingsFile {
  public:
    static constexpr const char* Section = "Settings";
    // The game's own file is a few hundred bytes. A file past this is not one it wrote: it is
    // neither read nor replaced; nor is a save made that would take the file past it.
    static constexpr std::size_t MaxBytes = 1024 * 1024;

    // Reads the file at `path`. The position defaults to where the window is now. A file
    // that cannot be read (too big, UTF-16 text with or without a byte-order mark, not a regular
    // file) gives the defaults.
    static StoredSettings Read(const std::string& path, std::int32_t left, std::int32_t top,
                               FileCalls& calls = SystemFileCalls());
    // The same, but while `path` does not exist yet, the values come from `fallback`, when
    // that is not empty.
    static StoredSettings ReadOrFallback(const std::string& path, const std::string& fallback,
                                         std::int32_t left, std::int32_t top);

    // Writes the three keys in one safe replace of the file, keeping every other line of it.
    // Refused, with the reason, when the file could not be written or would grow past
    // MaxBytes; it is then as it was.
    static WriteOutcome Write(const std::string& path, const StoredSettings& settings,
                              FileCalls& calls = SystemFileCalls());

    // The file's bytes as the game may use them.
    static FileText ReadText(const std::string& path, FileCalls& calls = SystemFileCalls());

    // The same on a document in memory.
    static StoredSettings Parse(const ProfileDocument& document, std::int32_t left,
                                std::int32_t top);
    static void Store(ProfileDocument& document, const StoredSettings& settings);

  private:
    // Fills in what the document holds, key by key; an error part way leaves the keys read
    // so far in place.
    static void ParseInto(const ProfileDocument& document, StoredSettings& settings);
};
