#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <atomic>
#include <csignal>

#include "qt/process/SignalCloser.h"
#include "support/SignalCloserProbe.h"

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

// The clock the closer's handler reads, set by the test: no waiting for a real second.
std::atomic<std::int64_t> FakeNow{0};
std::int64_t FakeClock() {
    return FakeNow.load();
}

struct sigaction ActionOf(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current;
}

void SetHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

volatile std::sig_atomic_t PreviousHandlerRuns = 0;
void PreviousHandler(int) {
    PreviousHandlerRuns = PreviousHandlerRuns + 1;
}

// Raises the signals in turn, the clock at the given times, and counts the closes asked for.
int ClosesAfter(std::initializer_list<std::pair<int, std::int64_t>> sequence) {
    int closes = 0;
    {
        const SignalCloser closer([&closes] { ++closes; }, nullptr, &FakeClock);
        for (const auto& [signal, at] : sequence) {
            FakeNow = at;
            std::raise(signal);
        }
        ProcessUntil([&] { return closes > 0; });
        QCoreApplication::processEvents();
    }
    return closes;
}
}  // namespace

TEST(SignalCloser, EachTerminatingSignalClosesTheGameTheOrdinaryWay) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int closes = 0;
        const SignalCloser closer([&closes] { ++closes; });
        ASSERT_TRUE(SignalCloserProbe::IsActive(closer));
        EXPECT_TRUE(SignalCloserProbe::Handles(closer, signal));
        std::raise(signal);  // the process lives on: only the close is asked for
        EXPECT_TRUE(ProcessUntil([&] { return closes == 1; })) << signal;
    }
}

TEST(SignalCloser, SignalsSentTogetherCloseOnceAndLeaveTheProcessRunning) {
    // Reaching the next line at all means the process survived the second signal.
    EXPECT_EQ(ClosesAfter({{SIGTERM, 0}, {SIGHUP, 0}}), 1);
    EXPECT_EQ(ClosesAfter({{SIGHUP, 0}, {SIGHUP, 0}}), 1);
    EXPECT_EQ(ClosesAfter({{SIGTERM, 0}, {SIGTERM, 0}}), 1);
    EXPECT_EQ(ClosesAfter({{SIGINT, 0}, {SIGINT, 10}}), 1);
    // Hang-ups and SIGTERM never insist, however late they come.
    EXPECT_EQ(ClosesAfter({{SIGHUP, 0}, {SIGHUP, 5000}, {SIGHUP, 90000}}), 1);
    EXPECT_EQ(ClosesAfter({{SIGTERM, 0}, {SIGTERM, 5000}}), 1);
    EXPECT_EQ(ClosesAfter({{SIGINT, 0}, {SIGHUP, 5000}, {SIGTERM, 9000}}), 1);
}

TEST(SignalCloser, AnInterruptRepeatedAfterTheSaveIsDoneEndsNothingEarly) {
    int closes = 0;
    SignalCloser closer([&closes] { ++closes; }, nullptr, &FakeClock);
    FakeNow = 0;
    std::raise(SIGINT);
    ASSERT_TRUE(ProcessUntil([&] { return closes == 1; }));
    closer.SaveFinished();
    FakeNow = 5000;
    std::raise(SIGINT);
    QCoreApplication::processEvents();
    EXPECT_EQ(closes, 1);
}

TEST(SignalCloserDeathTest, AnInsistentInterruptEndsTheProcessAsCtrlCDoes) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto insist = [](std::int64_t pause) {
        const SignalCloser closer([] {}, nullptr, &FakeClock);
        FakeNow = 1000;
        std::raise(SIGINT);
        FakeNow = 1000 + pause;
        std::raise(SIGINT);
        std::fputs("still running\n", stderr);
        std::_Exit(0);
    };
    EXPECT_EXIT(insist(1000), testing::KilledBySignal(SIGINT), "");
    EXPECT_EXIT(insist(999), testing::ExitedWithCode(0), "still running");
}

TEST(SignalCloser, SignalsIgnoredAtStartStayIgnored) {
    // As under nohup: the hang-up of a closed terminal must not close the game.
    SetHandler(SIGHUP, SIG_IGN);
    {
        int closes = 0;
        const SignalCloser closer([&closes] { ++closes; });
        EXPECT_FALSE(SignalCloserProbe::Handles(closer, SIGHUP));
        EXPECT_TRUE(SignalCloserProbe::Handles(closer, SIGTERM));
        EXPECT_EQ(ActionOf(SIGHUP).sa_handler, SIG_IGN);
        std::raise(SIGHUP);
        QCoreApplication::processEvents();
        EXPECT_EQ(closes, 0);
        std::raise(SIGTERM);  // the others still close the game
        EXPECT_TRUE(ProcessUntil([&] { return closes == 1; }));
    }
    EXPECT_EQ(ActionOf(SIGHUP).sa_handler, SIG_IGN);
    SetHandler(SIGHUP, SIG_DFL);
}

TEST(SignalCloser, PutsBackTheActionsThatWereThereBefore) {
    SetHandler(SIGTERM, &PreviousHandler);
    SetHandler(SIGINT, SIG_DFL);
    {
        const SignalCloser closer([] {});
        EXPECT_NE(ActionOf(SIGTERM).sa_handler, &PreviousHandler);
    }
    EXPECT_EQ(ActionOf(SIGTERM).sa_handler, &PreviousHandler);
    EXPECT_EQ(ActionOf(SIGINT).sa_handler, SIG_DFL);
    EXPECT_EQ(ActionOf(SIGHUP).sa_handler, SIG_DFL);
    PreviousHandlerRuns = 0;
    std::raise(SIGTERM);
    EXPECT_EQ(PreviousHandlerRuns, 1);
    SetHandler(SIGTERM, SIG_DFL);
}
