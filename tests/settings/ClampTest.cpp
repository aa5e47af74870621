#include <gtest/gtest.h>

#include "settings/Clamp.h"

TEST(Clamp, BringsValuesIntoRange) {
    std::int32_t v = -5;
    Clamp(v, 1, 16);
    EXPECT_EQ(v, 1);
    v = 17;
    Clamp(v, 1, 16);
    EXPECT_EQ(v, 16);
    v = 16;
    Clamp(v, 1, 16);
    EXPECT_EQ(v, 16);
    v = 1;
    Clamp(v, 1, 16);
    EXPECT_EQ(v, 1);
}

TEST(Clamp, TestsLowBoundFirst) {
    std::int32_t v = 5;
    Clamp(v, 10, 0);  // an inverted range: the low bound wins
    EXPECT_EQ(v, 10);
}
