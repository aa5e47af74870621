#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/CommaText.h"

using Items = std::vector<std::string>;

TEST(JoinCommaText, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(JoinCommaText({"9", "2", "100", "Results", "1"}), "9,2,100,Results,1");
    EXPECT_EQ(JoinCommaText({"a b"}), "\"a b\"");
    EXPECT_EQ(JoinCommaText({"a,b"}), "\"a,b\"");
    EXPECT_EQ(JoinCommaText({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(JoinCommaText({"tab\there"}), "\"tab\there\"");
    EXPECT_EQ(JoinCommaText({"x", "", "y"}), "x,,y");
    EXPECT_EQ(JoinCommaText({"x", ""}), "x,");
    EXPECT_EQ(JoinCommaText({""}), "\"\"");
    EXPECT_EQ(JoinCommaText({}), "");
    EXPECT_EQ(JoinCommaText({"caf\xC3\xA9"}), "caf\xC3\xA9");  // bytes above 127 need no quotes
}

TEST(SplitCommaText, FollowsTheReadingRules) {
    EXPECT_EQ(SplitCommaText(""), Items{});
    EXPECT_EQ(SplitCommaText("   "), Items{});
    EXPECT_EQ(SplitCommaText("9,2,100,Results,1"), (Items{"9", "2", "100", "Results", "1"}));
    EXPECT_EQ(SplitCommaText(" 9 , 2 ,100"), (Items{"9", "2", "100"}));
    EXPECT_EQ(SplitCommaText("a,,b"), (Items{"a", "", "b"}));
    EXPECT_EQ(SplitCommaText("a,"), (Items{"a", ""}));
    EXPECT_EQ(SplitCommaText("a, "), (Items{"a"}));  // the comma is not last: no empty item
    EXPECT_EQ(SplitCommaText(",a"), (Items{"", "a"}));
    EXPECT_EQ(SplitCommaText("two words"), (Items{"two", "words"}));
    EXPECT_EQ(SplitCommaText("\"two words\",x"), (Items{"two words", "x"}));
    EXPECT_EQ(SplitCommaText("\"say \"\"hi\"\"\""), (Items{"say \"hi\""}));
    EXPECT_EQ(SplitCommaText("\"\""), (Items{""}));
    EXPECT_EQ(SplitCommaText("\"open to the end"), (Items{"open to the end"}));
    EXPECT_EQ(SplitCommaText("\"a\"b"), (Items{"a", "b"}));
    EXPECT_EQ(SplitCommaText("a\x01"
                             "b"),
              (Items{"a", "b"}));
    EXPECT_EQ(SplitCommaText(std::string("a\0b", 3)), (Items{"a"}));
}

TEST(CommaText, RoundTripsWhatItWrites) {
    const std::vector<Items> lists = {
        {"9", "2", "100", "Results", "1"},
        {"16", "0", "1", "", "0"},
        {"a b", "c,d", "\"q\"", "  lead", "trail  ", "\"", ",", " "},
        {"x", ""},
        {""},
        {"", "x"},
        {"caf\xC3\xA9", "\xFF\xFE"},
    };
    for (const Items& list : lists) {
        EXPECT_EQ(SplitCommaText(JoinCommaText(list)), list) << JoinCommaText(list);
    }
}
