#include "support/NoteProgressWatch.h"

void NoteProgressWatch::VoiceChanged(std::size_t playedFrames, bool sounding) {
    {
        const std::lock_guard lock(mutex_);
        playedFrames_ = playedFrames;
        sounding_ = sounding;
    }
    changed_.notify_all();
}

bool NoteProgressWatch::AwaitNoteProgress(std::uint32_t frames,
                                          std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] { return playedFrames_ >= frames || !sounding_; });
    return playedFrames_ >= frames;
}

bool NoteProgressWatch::AwaitSilence(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return !sounding_; });
}
