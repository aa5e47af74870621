#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QWidget>

#include "qt/process/WindowDestroyWatch.h"

namespace {
xcb_destroy_notify_event_t DestroyNotice(WId window) {
    xcb_destroy_notify_event_t notice{};
    notice.response_type = XCB_DESTROY_NOTIFY | 0x80;  // as sent by another client
    notice.event = static_cast<xcb_window_t>(window);
    notice.window = static_cast<xcb_window_t>(window);
    return notice;
}
}  // namespace

TEST(WindowDestroyWatch, TellsWhenTheWatchedWindowIsDestroyedAndOfNothingElse) {
    QWidget window;
    const WId id = window.winId();
    ASSERT_NE(id, 0U);
    int told = 0;
    WindowDestroyWatch watch(window, [&told] { ++told; });
    const QByteArray x11("xcb_generic_event_t");

    xcb_destroy_notify_event_t other = DestroyNotice(id + 1);
    EXPECT_FALSE(watch.nativeEventFilter(x11, &other, nullptr));
    xcb_destroy_notify_event_t unmapped = DestroyNotice(id);
    unmapped.response_type = XCB_UNMAP_NOTIFY;
    EXPECT_FALSE(watch.nativeEventFilter(x11, &unmapped, nullptr));
    xcb_destroy_notify_event_t mine = DestroyNotice(id);
    EXPECT_FALSE(watch.nativeEventFilter("windows_generic_MSG", &mine, nullptr));
    EXPECT_EQ(told, 0);

    EXPECT_FALSE(watch.nativeEventFilter(x11, &mine, nullptr));  // Qt still sees it
    EXPECT_EQ(told, 1);
}

TEST(WindowDestroyWatch, AWindowWithoutANativeWindowIsNeverTakenForTheDestroyedOne) {
    QWidget window;  // no native window made: its id is 0
    int told = 0;
    WindowDestroyWatch watch(window, [&told] { ++told; });
    xcb_destroy_notify_event_t notice = DestroyNotice(0);
    watch.nativeEventFilter("xcb_generic_event_t", &notice, nullptr);
    EXPECT_EQ(told, 0);
}
