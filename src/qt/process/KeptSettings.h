#pragma once

#include <optional>
#include <string>

#include "settings/StoredSettings.h"

// settings.ini as the next save would write it, kept as plain data whenever it changes.
// Writing it needs no window system, so the game can still save when the display has gone
// or the process is being ended under it.
class KeptSettings {
  public:
    explicit KeptSettings(std::string path) : path_(std::move(path)) {}

    void Keep(const StoredSettings& settings) { latest_ = settings; }
    const StoredSettings& Latest() const { return latest_; }
    const std::string& Path() const { return path_; }

    // Writes what is kept; false when the file could not be written (it is then unchanged).
    bool Write() const;
    // The same; when the save could not be made, the one line that tells the player where
    // and why.
    std::optional<std::string> WriteOrExplain() const;

  private:
    std::string path_;
    StoredSettings latest_;
};
