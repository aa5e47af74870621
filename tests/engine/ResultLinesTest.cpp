#include <gtest/gtest.h>

#include "engine/ResultLines.h"

TEST(SecondsText, UsesTheGeneralFormat) {
    EXPECT_EQ(SecondsText(1230, "."), "1.23");
    EXPECT_EQ(SecondsText(2000, "."), "2");
    EXPECT_EQ(SecondsText(0, "."), "0");
    EXPECT_EQ(SecondsText(7070, "."), "7.07");
    EXPECT_EQ(SecondsText(10, "."), "0.01");
    EXPECT_EQ(SecondsText(100, "."), "0.1");
    EXPECT_EQ(SecondsText(-100, "."), "-0.1");
    EXPECT_EQ(SecondsText(-2000, "."), "-2");
    EXPECT_EQ(SecondsText(2147483640, "."), "2147483.64");
    EXPECT_EQ(SecondsText(1, "."), "0.001");
    EXPECT_EQ(SecondsText(-2147483647 - 1, "."), "-2147483.648");
}

TEST(SecondsText, TakesTheLocalesDecimalSeparator) {
    EXPECT_EQ(SecondsText(1230, ","), "1,23");
    EXPECT_EQ(SecondsText(2000, ","), "2");
}

TEST(ResultLines, BuildsTheFiveLines) {
    const auto lines = ResultLines("Results", 12, 1230, -3, 2000, ".");
    EXPECT_EQ(lines[0], "Results");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "Last : 12 pt. 1.23 sec.");
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines[4], "Record : -3 pt. 2 sec.");
    EXPECT_EQ(ResultLines("", 0, 0, 0, 0, ".")[0], "");
}
