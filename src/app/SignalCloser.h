#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl-C, a polite kill) into an ordinary close
// of the game, so the settings and the record are saved. A second signal while that close
// is under way ends the process at once.
class SignalCloser : public QObject {
    Q_OBJECT

  public:
    explicit SignalCloser(std::function<void()> close, QObject* parent = nullptr);
    SignalCloser(const SignalCloser&) = delete;
    SignalCloser& operator=(const SignalCloser&) = delete;
    ~SignalCloser() override;

    bool IsActive() const { return notifier_ != nullptr; }

  private:
    static void OnSignal(int signal);
    void OnReadable();

    std::function<void()> close_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};
