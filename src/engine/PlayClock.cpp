#include "engine/PlayClock.h"

std::uint32_t PlayClock::Now() const {
    const std::uint32_t source = stoppedSince_ ? *stoppedSince_ : source_.Now();
    return source - stoppedTotal_;
}

void PlayClock::SetRunning(bool running) {
    if (running && stoppedSince_) {
        stoppedTotal_ += source_.Now() - *stoppedSince_;
        stoppedSince_.reset();
    } else if (!running && !stoppedSince_) {
        stoppedSince_ = source_.Now();
    }
}
