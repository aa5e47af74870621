#include "qt/process/WindowDestroyWatch.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QWidget>

WindowDestroyWatch::WindowDestroyWatch(const QWidget& window, std::function<void()> destroyed)
    : window_(window), destroyed_(std::move(destroyed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowDestroyWatch::~WindowDestroyWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeNativeEventFilter(this);
    }
}

bool WindowDestroyWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                           qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t") {
        return false;  // other platforms tell the program themselves, or cannot lose a window
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) {
        return false;
    }
    // When Qt itself replaces the window (a change of window flags), the window has a new id
    // by the time the notice of the old one's end comes in.
    const auto* notice = static_cast<const xcb_destroy_notify_event_t*>(message);
    const WId current = window_.internalWinId();
    if (current != 0 && notice->window == current) {
        destroyed_();
    }
    return false;
}
