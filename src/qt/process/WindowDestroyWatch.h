#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

// Tells when another program destroys a window of ours on the X11 display (a "close window"
// tool, a window manager gone astray). Qt takes no notice of it: the program would go on
// running, and holding its single-instance lock, with no window left to close.
class WindowDestroyWatch : public QAbstractNativeEventFilter {
  public:
    WindowDestroyWatch(const QWidget& window, std::function<void()> destroyed);
    WindowDestroyWatch(const WindowDestroyWatch&) = delete;
    WindowDestroyWatch& operator=(const WindowDestroyWatch&) = delete;
    ~WindowDestroyWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    const QWidget& window_;
    std::function<void()> destroyed_;
};
