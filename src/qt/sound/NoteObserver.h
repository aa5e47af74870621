#pragma once

#include <cstddef>

// Told what the note player's voice does, as it happens: after each buffer the device fills,
// and after each Play or StopAll that reaches the voice. The game passes none, and then the
// player reports nothing and pays for nothing; tests and benchmarks pass one so that they can
// await playback instead of sleeping. Called with the device locked, on the device's thread
// or the caller's: keep it short and never call back into the player.
class NoteObserver {
  public:
    virtual ~NoteObserver() = default;
    // Sample frames of the latest note played so far, and whether it still sounds.
    virtual void VoiceChanged(std::size_t playedFrames, bool sounding) = 0;
};
