#pragma once

#include <string>
#include <utility>

#include "settings/StoredSettings.h"
#include "settings/files/WriteOutcome.h"

// settings.ini as the next save would write it, kept as plain data whenever it changes.
// Writing it needs no window system, so the game can still save when the display has gone
// or the process is being ended under it.
class KeptSettings {
  public:
    explicit KeptSettings(std::string path) : path_(std::move(path)) {}

    void Keep(const StoredSettings& settings) { latest_ = settings; }
    const StoredSettings& Latest() const { return latest_; }
    const std::string& Path() const { return path_; }

    // Writes what is kept; when refused, the file is unchanged and the outcome says why.
    WriteOutcome Write() const;

  private:
    std::string path_;
    StoredSettings latest_;
};
