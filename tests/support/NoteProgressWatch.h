#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "qt/sound/NoteObserver.h"

// Lets a test or a benchmark wait for the note player's device instead of sleeping: hand it to
// the player at construction and await what the device reports after every buffer. The
// timeouts are only a safety net and count as false.
class NoteProgressWatch final : public NoteObserver {
  public:
    void VoiceChanged(std::size_t playedFrames, bool sounding) override;

    // True once the note started last has played at least `frames` sample frames; false when
    // no note sounds short of that (it ended, was cut off, or none was started).
    bool AwaitNoteProgress(std::uint32_t frames, std::chrono::milliseconds timeout) const;
    // True once no note sounds.
    bool AwaitSilence(std::chrono::milliseconds timeout) const;

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::size_t playedFrames_ = 0;
    bool sounding_ = false;
};
