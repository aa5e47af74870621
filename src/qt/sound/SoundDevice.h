#pragma once

#include <SDL.h>

struct SdlFunctions;

// SDL's audio subsystem and the one open device, given back in reverse order. The device
// plays silence until Start; the callback runs on SDL's audio thread, except while the device
// is locked.
class SoundDevice {
  public:
    SoundDevice(const SdlFunctions& sdl, SDL_AudioCallback callback, void* userdata);
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;
    ~SoundDevice();

    bool IsOpen() const { return id_ != 0; }
    void Start() const;
    // Holds the callback off for good: once this returns it never runs again.
    void Pause() const;
    // Holds the callback off, so its data can change under it; see DeviceLock.
    void Lock() const;
    void Unlock() const;

  private:
    const SdlFunctions& sdl_;
    bool subsystemUp_ = false;
    SDL_AudioDeviceID id_ = 0;
};
