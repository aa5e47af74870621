#include "qt/process/DestroyedDialogCloser.h"

#include <QApplication>
#include <QDialog>
#include <QMetaObject>
#include <QPointer>
#include <QWindow>

#include "qt/process/DestroyedWindow.h"

namespace {

QDialog* VisibleDialogWithWindow(WId window) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog != nullptr && dialog->isVisible() && window != 0 &&
            dialog->internalWinId() == window) {
            return dialog;
        }
    }
    return nullptr;
}

}  // namespace

DestroyedDialogCloser::DestroyedDialogCloser() {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedDialogCloser::~DestroyedDialogCloser() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeNativeEventFilter(this);
    }
}

bool DestroyedDialogCloser::nativeEventFilter(const QByteArray& eventType, void* message,
                                              qintptr* /*result*/) {
    const std::optional<WId> destroyed = DestroyedWindow(eventType, message);
    QDialog* const dialog = destroyed ? VisibleDialogWithWindow(*destroyed) : nullptr;
    if (dialog == nullptr) {
        return false;
    }
    // Out of the event filter first: rejecting ends a modal loop, and the window it holds is
    // let go of, so the next show makes a new one rather than mapping the dead one.
    QMetaObject::invokeMethod(
        dialog,
        [shown = QPointer<QDialog>(dialog)] {
            if (shown == nullptr) {
                return;
            }
            shown->reject();
            if (QWindow* window = shown->windowHandle()) {
                window->destroy();
            }
        },
        Qt::QueuedConnection);
    return false;
}
