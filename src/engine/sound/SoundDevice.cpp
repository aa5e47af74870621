#include "engine/sound/SoundDevice.h"

#include "engine/sound/NoteDecoding.h"
#include "engine/sound/SdlFunctions.h"

SoundDevice::SoundDevice(const SdlFunctions& sdl, SDL_AudioCallback callback, void* userdata)
    : sdl_(sdl) {
    // Without this SDL takes over SIGINT and SIGTERM, and the game would no longer end on
    // Ctrl-C or a polite kill.
    sdl_.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The name the desktop's mixer shows for our sound.
    sdl_.SetHint(SDL_HINT_APP_NAME, "Lumabels");
    sdl_.SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Lumabels");
    sdl_.SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Lumabels");
    if (sdl_.InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    subsystemUp_ = true;

    SDL_AudioSpec desired = DeviceFormat();
    desired.callback = callback;
    desired.userdata = userdata;
    // No allowed changes: SDL converts to whatever the hardware wants, so the notes are
    // decoded once, before the first device opens, into the one format every device gets.
    id_ = sdl_.OpenAudioDevice(nullptr, 0, &desired, nullptr, 0);
}

SoundDevice::~SoundDevice() {
    if (id_ != 0) {
        sdl_.CloseAudioDevice(id_);
    }
    if (subsystemUp_) {
        sdl_.QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SoundDevice::Start() const {
    sdl_.PauseAudioDevice(id_, 0);
}

void SoundDevice::Lock() const {
    sdl_.LockAudioDevice(id_);
}

void SoundDevice::Unlock() const {
    sdl_.UnlockAudioDevice(id_);
}
