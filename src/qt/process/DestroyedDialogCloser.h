#pragma once

#include <QAbstractNativeEventFilter>

// Closes a dialog of ours whose window another program destroyed on the X11 display, as
// WindowDestroyWatch does for the main window: Qt takes no notice, and its modal loop would go
// on with no window to answer, holding the game. The dialog is rejected, as Escape would
// (Cancel for Options), and given a new window the next time it is shown.
class DestroyedDialogCloser : public QAbstractNativeEventFilter {
  public:
    DestroyedDialogCloser();
    DestroyedDialogCloser(const DestroyedDialogCloser&) = delete;
    DestroyedDialogCloser& operator=(const DestroyedDialogCloser&) = delete;
    ~DestroyedDialogCloser() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};
