#include "qt/process/WindowDestroyWatch.h"

#include <QCoreApplication>
#include <QWidget>

#include "qt/process/DestroyedWindow.h"

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
    // When Qt itself replaces the window (a change of window flags), the window has a new id
    // by the time the notice of the old one's end comes in.
    const std::optional<WId> destroyed = DestroyedWindow(eventType, message);
    const WId current = window_.internalWinId();
    if (destroyed && current != 0 && *destroyed == current) {
        destroyed_();
    }
    return false;
}
