#include "qt/process/SignalCloser.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <ctime>

#include "qt/process/SecondSignalRule.h"

namespace {

// What the handler may touch: it runs between any two instructions, on any thread.
SecondSignalRule Rule;
std::atomic<SignalCloser::Clock> SteadyClock{&SignalCloser::SteadyMilliseconds};
volatile std::sig_atomic_t WakeFd = -1;
static_assert(std::atomic<SignalCloser::Clock>::is_always_lock_free);

bool IsIgnored(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_IGN;
}

// The ordinary meaning of the signal, at once: the handler returns with the signal blocked,
// and it is delivered, now with its default action, the moment the handler is left.
void EndBySignal(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    raise(signal);
}

}  // namespace

std::int64_t SignalCloser::SteadyMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);  // one of the calls a signal handler may make
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void SignalCloser::OnSignal(int signal) {
    const int savedErrno = errno;
    switch (Rule.OnSignal(signal, SteadyClock.load()())) {
        case SecondSignalRule::Verdict::Close: {
            const char byte = static_cast<char>(signal);
            [[maybe_unused]] const ssize_t ignored = write(WakeFd, &byte, 1);
            break;
        }
        case SecondSignalRule::Verdict::Ignore:
            break;
        case SecondSignalRule::Verdict::EndNow:
            EndBySignal(signal);
            break;
    }
    errno = savedErrno;
}

SignalCloser::SignalCloser(std::function<void()> close, QObject* parent, Clock clockSource)
    : QObject(parent), close_(std::move(close)) {
    if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // no pipe: the signals keep their ordinary meaning
    }
    Rule.Reset();
    SteadyClock.store(clockSource);
    WakeFd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalCloser::OnReadable);

    struct sigaction action {};
    action.sa_handler = &SignalCloser::OnSignal;
    // One handler at a time per thread: a pair of signals is judged in the order it came.
    sigemptyset(&action.sa_mask);
    for (const int signal : HandledSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < HandledSignals.size(); ++i) {
        // Started under nohup, or in the background by a shell without job control: the
        // user asked for the signal to be ignored, so it is.
        if (sigaction(HandledSignals[i], nullptr, &previous_[i]) != 0 || IsIgnored(previous_[i])) {
            continue;
        }
        taken_[i] = sigaction(HandledSignals[i], &action, nullptr) == 0;
    }
}

SignalCloser::~SignalCloser() {
    for (std::size_t i = 0; i < HandledSignals.size(); ++i) {
        if (taken_[i]) {
            sigaction(HandledSignals[i], &previous_[i], nullptr);
        }
    }
    WakeFd = -1;
    for (const int fd : pipe_) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void SignalCloser::SaveFinished() {
    Rule.SaveFinished();
    delete notifier_;  // while the application object, which it is registered with, lives
    notifier_ = nullptr;
}

void SignalCloser::OnReadable() {
    char buffer[16];
    while (read(pipe_[0], buffer, sizeof buffer) > 0) {
    }
    close_();
}
