#pragma once

#include <SDL.h>

#include <string>

// The SDL functions the note player calls, found by name in the loaded library.
struct SdlFunctions {
    decltype(&::SDL_SetHint) SetHint = nullptr;
    decltype(&::SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&::SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&::SDL_LockAudioDevice) LockAudioDevice = nullptr;
    decltype(&::SDL_UnlockAudioDevice) UnlockAudioDevice = nullptr;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&::SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&::SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&::SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&::SDL_ConvertAudio) ConvertAudio = nullptr;
};

// SDL, loaded the first time a sound device is to open rather than when the game starts: the
// library and the two dozen it brings with it (sound servers' clients, codecs, the video half
// the game never uses) cost megabytes and milliseconds that the title screen, and a player
// with sound off, have no use for. Unloaded when the last holder lets go.
class SdlLibrary {
  public:
    // The name the runtime package installs.
    static constexpr const char* DefaultName = "libSDL2-2.0.so.0";

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
