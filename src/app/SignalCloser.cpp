#include "app/SignalCloser.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace {

constexpr int HandledSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only these two may be touched by the handler: it runs between any two instructions.
volatile std::sig_atomic_t signalsSeen = 0;
volatile std::sig_atomic_t wakeFd = -1;

}  // namespace

void SignalCloser::OnSignal(int signal) {
    if (signalsSeen != 0) {
        _exit(128 + signal);
    }
    signalsSeen = 1;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t ignored = write(wakeFd, &byte, 1);
}

SignalCloser::SignalCloser(std::function<void()> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
    if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // no pipe: the signals keep their ordinary meaning
    }
    signalsSeen = 0;
    wakeFd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalCloser::OnReadable);

    struct sigaction action {};
    action.sa_handler = &SignalCloser::OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : HandledSignals) {
        sigaction(signal, &action, nullptr);
    }
}

SignalCloser::~SignalCloser() {
    for (const int signal : HandledSignals) {
        std::signal(signal, SIG_DFL);
    }
    wakeFd = -1;
    for (const int fd : pipe_) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void SignalCloser::OnReadable() {
    char buffer[16];
    while (read(pipe_[0], buffer, sizeof buffer) > 0) {
    }
    close_();
}
