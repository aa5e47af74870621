#include "qt/sound/SoundDevice.h"

#include "qt/sound/NoteDecoding.h"
#include "qt/sound/SdlFunctions.h"

SoundDevice::SoundDevice(const SdlFunctions& sdl, SDL_AudioCallback callback, void* userdata)
    : sdl_(sdl) {
    // Without this SDL takes over SIGINT and SIGTERM, and the game would no longer end on
    // Ctrl-C or a polite kill.
    sdl_.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The name the desktop's mixer shows for our sound.
    sdl_.SetHint(SDL_HINT_APP_NAME, "Lumabels");
    sdl_.SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Lumabels");
    sdl_.SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Lumabels");
    // SDL tries PulseAudio first, which on a PipeWire desktop means its PulseAudio bridge: that
    // runs the server four times as often as our buffer needs and hands buffers over in bursts
    // that hold a note back by up to a tenth of a second. PipeWire's own interface asks for
    // our buffer's length. Where no PipeWire runs it fails to connect and the usual order
    // follows; an SDL_AUDIODRIVER set by the player still wins over this.
    sdl_.SetHint(SDL_HINT_AUDIODRIVER, "pipewire,pulseaudio,alsa,sndio,jack,dsp");
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

void SoundDevice::Pause() const {
    sdl_.PauseAudioDevice(id_, 1);
}

void SoundDevice::Lock() const {
    sdl_.LockAudioDevice(id_);
}

void SoundDevice::Unlock() const {
    sdl_.UnlockAudioDevice(id_);
}
