#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "qt/process/SilentServices.h"

// The sockets asked before start-up are the ones libICE and libdbus would connect to; other
// transports are left alone.
TEST(SilentServices, FindsTheLocalSocketEachAddressNames) {
    EXPECT_EQ(SessionManagerSocket("local/box:/tmp/.ICE-unix/42,unix/box:/tmp/.ICE-unix/42"),
              "/tmp/.ICE-unix/42");
    EXPECT_EQ(SessionManagerSocket("unix/box:/run/sm"), "/run/sm");
    EXPECT_EQ(SessionManagerSocket("tcp/box:5000"), std::nullopt);
    EXPECT_EQ(SessionManagerSocket("nonsense"), std::nullopt);

    EXPECT_EQ(SessionBusSocket("unix:path=/run/user/1000/bus"), "/run/user/1000/bus");
    EXPECT_EQ(SessionBusSocket("unix:guid=ab12,abstract=/tmp/dbus-x;unix:path=/b"), "@/tmp/dbus-x");
    EXPECT_EQ(SessionBusSocket("unix:path=/tmp/my%20bus%2"), "/tmp/my bus%2");
    EXPECT_EQ(SessionBusSocket("tcp:host=localhost,port=1"), std::nullopt);
    EXPECT_EQ(SessionBusSocket("unix:tmpdir=/tmp"), std::nullopt);
    EXPECT_EQ(SessionBusSocket(""), std::nullopt);
}
