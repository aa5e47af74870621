#include "qt/process/DestroyedDialogCloser.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QDialog>
#include <QMetaObject>
#include <QPointer>
#include <QWindow>

namespace {

QDialog* VisibleDialogWithWindow(WId window) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog != nullptr && dialog->isVisible() && dialog->internalWinId() == window) {
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
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) {
        return false;
    }
    const auto* notice = static_cast<const xcb_destroy_notify_event_t*>(message);
    QDialog* const dialog = VisibleDialogWithWindow(notice->window);
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
