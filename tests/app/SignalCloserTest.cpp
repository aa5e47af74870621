#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <csignal>

#include "app/SignalCloser.h"

namespace {
// Handles events until `done` holds; the deadline only guards against a hang.
template <typename Condition>
bool ProcessUntil(Condition done) {
    QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    return done();
}
}  // namespace

TEST(SignalCloser, EachTerminatingSignalClosesTheGameTheOrdinaryWay) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int closes = 0;
        const SignalCloser closer([&closes] { ++closes; });
        ASSERT_TRUE(closer.IsActive());
        std::raise(signal);  // the process lives on: only the close is asked for
        EXPECT_TRUE(ProcessUntil([&] { return closes == 1; })) << signal;
    }
}

TEST(SignalCloser, LeavesTheDefaultsBehindWhenGone) {
    {
        const SignalCloser closer([] {});
    }
    struct sigaction current {};
    sigaction(SIGTERM, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
}
