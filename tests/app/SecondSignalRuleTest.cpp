#include <gtest/gtest.h>

#include <csignal>

#include "qt/process/SecondSignalRule.h"

namespace {
using Verdict = SecondSignalRule::Verdict;
}  // namespace

TEST(SecondSignalRule, TheFirstSignalOfAnyKindAsksForTheClose) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SecondSignalRule rule;
        EXPECT_EQ(rule.OnSignal(signal, 5000), Verdict::Close) << signal;
    }
}

TEST(SecondSignalRule, SignalsThatComeInPairsNeverEndTheGameEarly) {
    // A session's end (TERM then HUP), a closed terminal (HUP twice), a kill sent twice:
    // however far apart, the second one waits for the close.
    const int pairs[][2] = {{SIGTERM, SIGHUP}, {SIGHUP, SIGHUP}, {SIGTERM, SIGTERM},
                            {SIGHUP, SIGTERM}, {SIGINT, SIGHUP}, {SIGINT, SIGTERM}};
    for (const auto& pair : pairs) {
        for (const std::int64_t gap : {0, 999, 1000, 60000}) {
            SecondSignalRule rule;
            ASSERT_EQ(rule.OnSignal(pair[0], 100), Verdict::Close);
            EXPECT_EQ(rule.OnSignal(pair[1], 100 + gap), Verdict::Ignore)
                << pair[0] << " then " << pair[1] << " after " << gap << " ms";
        }
    }
}

TEST(SecondSignalRule, AnInterruptAgainASecondLaterEndsTheGameAtOnce) {
    SecondSignalRule rule;
    ASSERT_EQ(rule.OnSignal(SIGINT, 100), Verdict::Close);
    EXPECT_EQ(rule.OnSignal(SIGINT, 1099), Verdict::Ignore);  // too soon: pressed twice by habit
    EXPECT_EQ(rule.OnSignal(SIGINT, 1100), Verdict::EndNow);
}

TEST(SecondSignalRule, ThePauseCountsFromTheFirstInterruptEvenAfterAnotherSignal) {
    SecondSignalRule rule;
    ASSERT_EQ(rule.OnSignal(SIGTERM, 0), Verdict::Close);
    EXPECT_EQ(rule.OnSignal(SIGINT, 5000), Verdict::Ignore);  // the first interrupt
    EXPECT_EQ(rule.OnSignal(SIGHUP, 7000), Verdict::Ignore);
    EXPECT_EQ(rule.OnSignal(SIGINT, 5999), Verdict::Ignore);
    EXPECT_EQ(rule.OnSignal(SIGINT, 6000), Verdict::EndNow);
}

TEST(SecondSignalRule, OnceTheSaveIsDoneNoSignalEndsTheGameEarly) {
    SecondSignalRule rule;
    ASSERT_EQ(rule.OnSignal(SIGINT, 0), Verdict::Close);
    rule.SaveFinished();
    EXPECT_EQ(rule.OnSignal(SIGINT, 5000), Verdict::Ignore);
}

TEST(SecondSignalRule, TheClockMayStandAnywhereEvenBelowZero) {
    SecondSignalRule rule;
    ASSERT_EQ(rule.OnSignal(SIGINT, -3000), Verdict::Close);
    EXPECT_EQ(rule.OnSignal(SIGINT, -2001), Verdict::Ignore);
    EXPECT_EQ(rule.OnSignal(SIGINT, -2000), Verdict::EndNow);
}

TEST(SecondSignalRule, ResetForgetsEverything) {
    SecondSignalRule rule;
    rule.OnSignal(SIGINT, 0);
    rule.SaveFinished();
    rule.Reset();
    EXPECT_EQ(rule.OnSignal(SIGHUP, 10), Verdict::Close);
    EXPECT_EQ(rule.OnSignal(SIGINT, 20), Verdict::Ignore);
    EXPECT_EQ(rule.OnSignal(SIGINT, 1020), Verdict::EndNow);
}
