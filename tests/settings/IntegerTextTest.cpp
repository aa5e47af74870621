#include <gtest/gtest.h>

#include "settings/IntegerText.h"

namespace {
constexpr std::int32_t Fallback = -777;
}

TEST(ParseIntegerOr, ReadsDecimalsWithLeadingSpacesAndASign) {
    EXPECT_EQ(ParseIntegerOr("0", Fallback), 0);
    EXPECT_EQ(ParseIntegerOr("12", Fallback), 12);
    EXPECT_EQ(ParseIntegerOr(" 12", Fallback), 12);
    EXPECT_EQ(ParseIntegerOr("    -5", Fallback), -5);
    EXPECT_EQ(ParseIntegerOr("+7", Fallback), 7);
    EXPECT_EQ(ParseIntegerOr("007", Fallback), 7);
    EXPECT_EQ(ParseIntegerOr("-0", Fallback), 0);
}

TEST(ParseIntegerOr, GivesTheFallbackForAnythingElse) {
    for (const char* text : {"",    " ",   "+",   "-",  "12 ", "1.5", "1,5", "abc", "12a", "\t12",
                             "1 2", "--1", "+-1", "0x", "$",   "x",   "0X",  " 0x", "1e3", "\n5"}) {
        EXPECT_EQ(ParseIntegerOr(text, Fallback), Fallback) << '"' << text << '"';
    }
}

TEST(ParseIntegerOr, StopsAtBothEndsOfTheSignedRange) {
    EXPECT_EQ(ParseIntegerOr("2147483647", Fallback), 2147483647);
    EXPECT_EQ(ParseIntegerOr("-2147483648", Fallback), -2147483647 - 1);
    EXPECT_EQ(ParseIntegerOr("2147483648", Fallback), Fallback);
    EXPECT_EQ(ParseIntegerOr("-2147483649", Fallback), Fallback);
    EXPECT_EQ(ParseIntegerOr("99999999999999999999", Fallback), Fallback);
    EXPECT_EQ(ParseIntegerOr("00000000002147483647", Fallback), 2147483647);
}

TEST(ParseIntegerOr, ReadsHexadecimalFormsAsThirtyTwoBitPatterns) {
    EXPECT_EQ(ParseIntegerOr("$10", Fallback), 16);
    EXPECT_EQ(ParseIntegerOr("x1f", Fallback), 31);
    EXPECT_EQ(ParseIntegerOr("X1F", Fallback), 31);
    EXPECT_EQ(ParseIntegerOr("0xAbC", Fallback), 0xABC);
    EXPECT_EQ(ParseIntegerOr("0X7fffffff", Fallback), 2147483647);
    EXPECT_EQ(ParseIntegerOr("$FFFFFFFF", Fallback), -1);
    EXPECT_EQ(ParseIntegerOr("$80000000", Fallback), -2147483647 - 1);
    EXPECT_EQ(ParseIntegerOr("$000000010", Fallback), 16);
    EXPECT_EQ(ParseIntegerOr("  $10", Fallback), 16);
    EXPECT_EQ(ParseIntegerOr("$100000000", Fallback), Fallback);
    EXPECT_EQ(ParseIntegerOr("$1G", Fallback), Fallback);
    EXPECT_EQ(ParseIntegerOr("-$10", Fallback), Fallback);
    EXPECT_EQ(ParseIntegerOr("$10 ", Fallback), Fallback);
}

TEST(IntegerToText, WritesPlainDecimals) {
    EXPECT_EQ(IntegerToText(0), "0");
    EXPECT_EQ(IntegerToText(1234567), "1234567");
    EXPECT_EQ(IntegerToText(-42), "-42");
    EXPECT_EQ(IntegerToText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(IntegerToText(2147483647), "2147483647");
}
