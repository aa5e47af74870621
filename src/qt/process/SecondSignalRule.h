#pragma once

#include <atomic>
#include <cstdint>

// Decides what a terminating signal means once the game has been asked to close. A close
// must not be cut short by the signals that routinely come in pairs: a session that ends
// sends SIGTERM and then SIGHUP at once, and a closed terminal delivers two hang-ups. Only a
// person who clearly insists ends the game at once: the same interrupt (Ctrl-C) again, a
// second or more after the first one, while the save is still under way. A hang-up or a
// SIGTERM never does.
//
// Everything here is safe to call from a signal handler, on any thread: lock-free atomics
// and nothing else.
class SecondSignalRule {
  public:
    enum class Verdict {
        Close,   // the first request: close the game the ordinary way
        Ignore,  // a close is already under way
        EndNow,  // the interrupt came again after a pause: end without waiting
    };
    static constexpr std::int64_t InsistAfterMs = 1000;

    SecondSignalRule() = default;
    SecondSignalRule(const SecondSignalRule&) = delete;
    SecondSignalRule& operator=(const SecondSignalRule&) = delete;

    // `nowMs` is any steady clock reading in milliseconds.
    Verdict OnSignal(int signal, std::int64_t nowMs) noexcept;
    // Once the settings are saved, nothing is lost by waiting for the rest of the close.
    void SaveFinished() noexcept { saveFinished_.store(true); }
    // Back to the state before any signal.
    void Reset() noexcept;

  private:
    static constexpr std::int64_t NoInterrupt = INT64_MIN;
    static_assert(std::atomic<std::int64_t>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);

    std::atomic<bool> closing_{false};
    std::atomic<bool> saveFinished_{false};
    std::atomic<std::int64_t> firstInterruptMs_{NoInterrupt};
};
