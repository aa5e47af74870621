#pragma once

#include <string>

#include "qt/sound/SdlFunctions.h"

// SDL, loaded the first time a sound device is to open rather than when the game starts: the
// library and the two dozen it brings with it (sound servers' clients, codecs, the video half
// the game never uses) cost megabytes and milliseconds that the title screen, and a player
// with sound off, have no use for. Once loaded it stays until the program ends.
class SdlLibrary {
  public:
    // Loads the library, or finds out that it will not load or lacks one of the functions.
    explicit SdlLibrary(const std::string& name);
    SdlLibrary(const SdlLibrary&) = delete;
    SdlLibrary& operator=(const SdlLibrary&) = delete;
    ~SdlLibrary();

    bool IsLoaded() const { return loaded_; }
    // Only when loaded.
    const SdlFunctions& Functions() const { return functions_; }

  private:
    bool FindFunctions();

    void* handle_;
    SdlFunctions functions_;
    bool loaded_ = false;
};
