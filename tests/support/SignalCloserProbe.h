#pragma once

#include <cstddef>

#include "qt/process/SignalCloser.h"

// Reads what the signal closer took over at its start; the game never needs to ask.
struct SignalCloserProbe {
    // Its pipe is open, so a signal can reach the event loop.
    static bool IsActive(const SignalCloser& closer) { return closer.pipe_[0] >= 0; }
    // Whether `signal` is turned into a close (false when it was ignored at start).
    static bool Handles(const SignalCloser& closer, int signal) {
        for (std::size_t i = 0; i < SignalCloser::HandledSignals.size(); ++i) {
            if (SignalCloser::HandledSignals[i] == signal) {
                return closer.taken_[i];
            }
        }
        return false;
    }
};
