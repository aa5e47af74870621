#include "qt/process/SecondSignalRule.h"

#include <csignal>

SecondSignalRule::Verdict SecondSignalRule::OnSignal(int signal, std::int64_t nowMs) noexcept {
    std::int64_t first = NoInterrupt;
    const bool firstInterrupt =
        signal == SIGINT && firstInterruptMs_.compare_exchange_strong(first, nowMs);
    if (!closing_.exchange(true)) {
        return Verdict::Close;
    }
    if (signal != SIGINT || firstInterrupt || saveFinished_.load()) {
        return Verdict::Ignore;
    }
    // `first` holds the time of the earlier interrupt: the exchange above failed.
    return nowMs - first >= InsistAfterMs ? Verdict::EndNow : Verdict::Ignore;
}

void SecondSignalRule::Reset() noexcept {
    closing_.store(false);
    saveFinished_.store(false);
    firstInterruptMs_.store(NoInterrupt);
}
