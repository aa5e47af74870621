#include <gtest/gtest.h>

#include <limits>

#include "engine/Geometry.h"

TEST(PointInRect, IsHalfOpen) {
    const Rect rect{10, 20, 30, 40};
    EXPECT_TRUE(PointInRect(rect, 10, 20));
    EXPECT_TRUE(PointInRect(rect, 29, 39));
    EXPECT_FALSE(PointInRect(rect, 30, 25));
    EXPECT_FALSE(PointInRect(rect, 15, 40));
    EXPECT_FALSE(PointInRect(rect, 9, 25));
    EXPECT_FALSE(PointInRect(rect, 15, 19));
}

TEST(PointInRect, FieldExcludesItsRightAndBottomEdges) {
    EXPECT_TRUE(PointInRect(FieldRect, 399, 299));
    EXPECT_FALSE(PointInRect(FieldRect, 400, 0));
    EXPECT_FALSE(PointInRect(FieldRect, 0, 300));
    EXPECT_FALSE(PointInRect(FieldRect, -1, 0));
}

TEST(PointInRect, ComparesSigned) {
    const Rect rect{-100, -100, -50, -50};
    EXPECT_TRUE(PointInRect(rect, -75, -75));
    EXPECT_FALSE(PointInRect(rect, std::numeric_limits<std::int32_t>::max(), -75));
}

TEST(RectsOverlap, SharedAreaOverlaps) {
    EXPECT_TRUE(RectsOverlap({0, 0, 10, 10}, {9, 9, 20, 20}));
    EXPECT_TRUE(RectsOverlap({0, 0, 10, 10}, {2, 2, 5, 5}));
    EXPECT_TRUE(RectsOverlap({-400, 204, 800, 300}, {-96, 250, 0, 346}));
}

TEST(RectsOverlap, TouchingEdgesAndCornersDoNotOverlap) {
    EXPECT_FALSE(RectsOverlap({0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_FALSE(RectsOverlap({0, 0, 10, 10}, {0, 10, 10, 20}));
    EXPECT_FALSE(RectsOverlap({0, 0, 10, 10}, {10, 10, 20, 20}));
    EXPECT_FALSE(RectsOverlap({-96, -96, 0, 0}, FieldRect));
}
