#pragma once

#include <QObject>
#include <array>
#include <csignal>
#include <cstdint>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl-C, a closed terminal, a polite kill) into
// an ordinary close of the game, so the settings and the record are saved. Signals that come
// while the close is under way are absorbed, except an insistent Ctrl-C (see
// SecondSignalRule). A signal that was ignored when the game started (nohup) stays ignored,
// and the actions in place before are put back when the closer goes.
class SignalCloser : public QObject {
    Q_OBJECT

  public:
    // A steady clock in milliseconds that a signal handler may read.
    using Clock = std::int64_t (*)();

    explicit SignalCloser(std::function<void()> close, QObject* parent = nullptr,
                          Clock clock = &SteadyMilliseconds);
    SignalCloser(const SignalCloser&) = delete;
    SignalCloser& operator=(const SignalCloser&) = delete;
    ~SignalCloser() override;

    // The settings are on disk and the windows are gone: from now on nothing is worth ending
    // the game early for, and nothing is left to close. Signals are still absorbed until the
    // closer goes, so it may outlive the application object.
    void SaveFinished();

    static std::int64_t SteadyMilliseconds();

  private:
    friend struct SignalCloserProbe;  // lets tests see which signals it took

    static constexpr std::array<int, 3> HandledSignals = {SIGTERM, SIGINT, SIGHUP};

    static void OnSignal(int signal);
    void OnReadable();

    std::function<void()> close_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    std::array<struct sigaction, HandledSignals.size()> previous_{};
    std::array<bool, HandledSignals.size()> taken_{};
};
