#include "qt/process/DestroyedWindow.h"

#include <xcb/xcb.h>

std::optional<WId> DestroyedWindow(const QByteArray& eventType, const void* message) {
    if (eventType != "xcb_generic_event_t") {
        return std::nullopt;  // other platforms tell the program themselves
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) {
        return std::nullopt;
    }
    return static_cast<const xcb_destroy_notify_event_t*>(message)->window;
}
