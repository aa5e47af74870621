#include <gtest/gtest.h>

#include <string>

#include "settings/ProfileDocument.h"

namespace {
std::optional<std::string> Read(const std::string& text, const char* section, const char* key) {
    return ProfileDocument(text).Get(section, key);
}
std::string Written(const std::string& text, const char* section, const char* key,
                    const char* value) {
    ProfileDocument document(text);
    document.Set(section, key, value);
    return document.Bytes();
}
}  // namespace

TEST(ProfileRead, NamesIgnoreCaseAndBlanks) {
    const std::string text = "[Settings]\nPlayOptions=9,2\n  [ other ]  \n  Key  =  v a l  \n";
    EXPECT_EQ(Read(text, "settings", "PLAYOPTIONS"), "9,2");
    EXPECT_EQ(Read(text, "Other", "key"), "v a l");
    EXPECT_EQ(Read("[S]\n\tK\t=\tv\t\n", "S", "K"), "v");
}

TEST(ProfileRead, MissingFileSectionOrKeyGivesNothing) {
    EXPECT_EQ(Read("", "S", "K"), std::nullopt);
    EXPECT_EQ(Read("[T]\nK=1\n", "S", "K"), std::nullopt);
    EXPECT_EQ(Read("[S]\nL=1\n", "S", "K"), std::nullopt);
    EXPECT_EQ(Read("K=1\n[S]\n", "S", "K"), std::nullopt);  // keys before any section are lost
    EXPECT_EQ(Read("[S]\nK=\n", "S", "K"), "");             // present but empty is not missing
}

TEST(ProfileRead, QuotesCommentsAndOddLines) {
    EXPECT_EQ(Read("[S]\nK=  \"   v   \"  \n", "S", "K"), "   v   ");
    EXPECT_EQ(Read("[S]\nK='x'\n", "S", "K"), "x");
    EXPECT_EQ(Read("[S]\nK=\"x'\n", "S", "K"), "\"x'");
    EXPECT_EQ(Read("[S]\nK=\"\n", "S", "K"), "\"");
    EXPECT_EQ(Read("[S]\nK=\"\"\n", "S", "K"), "");
    EXPECT_EQ(Read("[S]\n;K=1\nK=2\n", "S", "K"), "2");
    EXPECT_EQ(Read("[S]\n  ;K=1\n", "S", "K"), std::nullopt);
    EXPECT_EQ(Read("[S]\nK=;x\n", "S", "K"), ";x");
    EXPECT_EQ(Read("[S]\n#K=1\n", "S", "#K"), "1");
    EXPECT_EQ(Read("[S]\nK=a=b\n", "S", "K"), "a=b");
    EXPECT_EQ(Read("[S]K=V\n", "S", "K"), std::nullopt);
    EXPECT_EQ(Read("[S\nK=V\n", "S", "K"), "V");  // a header without ']' runs to the line end
    EXPECT_EQ(Read("[S]\nno equals sign\nK=1\n", "S", "K"), "1");
}

TEST(ProfileRead, TheFirstSectionAndFirstKeyWin) {
    const std::string text = "[S]\nK=1\nk=2\n[T]\n[s]\nK=3\n";
    EXPECT_EQ(Read(text, "S", "K"), "1");
    EXPECT_EQ(Read("[S]\n[s]\nK=3\n", "S", "K"), std::nullopt);
}

TEST(ProfileRead, AnyLineEndAndAByteOrderMark) {
    EXPECT_EQ(Read("[S]\r\nK=crlf\r\n", "S", "K"), "crlf");
    EXPECT_EQ(Read("[S]\rK=cr\rL=2", "S", "K"), "cr");
    EXPECT_EQ(Read("\xEF\xBB\xBF[S]\nK=bom\n", "S", "K"), "bom");
    EXPECT_EQ(Read("[S]\nK=last", "S", "K"), "last");
}

TEST(ProfileRead, LongValuesAreCutAt2047) {
    const std::string value(5000, 'v');
    EXPECT_EQ(Read("[S]\nK=" + value + "\n", "S", "K"), std::string(2047, 'v'));
    EXPECT_EQ(Read("[S]\nK=" + std::string(2047, 'w') + "\n", "S", "K")->size(), 2047U);
}

TEST(ProfileWrite, ANewFileHoldsTheSectionAndTheKey) {
    EXPECT_EQ(Written("", "Settings", "K", "v"), "[Settings]\nK=v\n");
}

TEST(ProfileWrite, ReplacesInPlaceKeepingEverythingElse) {
    const std::string before =
        "; my notes\n\n[Other]\nX = 1\n[settings]\n  playoptions = old  \n; "
        "keep\nZ=9\n\n[Tail]\nT=t";
    const std::string after =
        "; my notes\n\n[Other]\nX = 1\n[settings]\nplayoptions=new\n; keep\nZ=9\n\n[Tail]\nT=t";
    EXPECT_EQ(Written(before, "Settings", "PlayOptions", "new"), after);
}

TEST(ProfileWrite, ANewKeyFollowsTheSectionsLastKey) {
    EXPECT_EQ(Written("[S]\nA=1\nB=2\n; c\n\n[T]\n", "s", "C", "3"),
              "[S]\nA=1\nB=2\nC=3\n; c\n\n[T]\n");
    EXPECT_EQ(Written("[S]\n\n[T]\n", "S", "C", "3"), "[S]\nC=3\n\n[T]\n");
    EXPECT_EQ(Written("[S]\nA=1", "S", "C", "3"), "[S]\nA=1\nC=3\n");
}

TEST(ProfileWrite, ANewSectionGoesAtTheEnd) {
    EXPECT_EQ(Written("[T]\nX=1\n", "S", "K", "v"), "[T]\nX=1\n[S]\nK=v\n");
    EXPECT_EQ(Written("[T]\nX=1", "S", "K", "v"), "[T]\nX=1\n[S]\nK=v\n");
    EXPECT_EQ(Written("; only a comment\n", "S", "K", "v"), "; only a comment\n[S]\nK=v\n");
}

TEST(ProfileWrite, KeepsTheFilesLineEndsAndByteOrderMark) {
    EXPECT_EQ(Written("[S]\r\nA=1\r\n", "S", "B", "2"), "[S]\r\nA=1\r\nB=2\r\n");
    EXPECT_EQ(Written("[S]\r\nA=1\r\n", "S", "A", "9"), "[S]\r\nA=9\r\n");
    EXPECT_EQ(Written("[S]\rA=1\r", "T", "B", "2"), "[S]\rA=1\r[T]\rB=2\r");
    EXPECT_EQ(Written("\xEF\xBB\xBF[S]\nA=1\n", "S", "A", "2"), "\xEF\xBB\xBF[S]\nA=2\n");
}

TEST(ProfileWrite, MixedLineEndsNeverSwallowALine) {
    // The first line end is a lone CR, but the key line before the blank line ends with LF.
    EXPECT_EQ(Written("[S]\rA=1\n\n[T]\rX=1\r", "S", "B", "2"), "[S]\rA=1\nB=2\n\n[T]\rX=1\r");
    EXPECT_EQ(Written("[S]\r\n\n", "S", "B", "2"), "[S]\r\nB=2\r\n\n");
}

TEST(ProfileWrite, ValuesAreWrittenAsGivenButNeverBreakTheirLine) {
    EXPECT_EQ(Written("", "S", "K", "  \"x\" ; y  "), "[S]\nK=  \"x\" ; y  \n");
    EXPECT_EQ(Written("[S]\nK=1\nL=2\n", "S", "K", "a\r\nb\nc"), "[S]\nK=a  b c\nL=2\n");
}

TEST(ProfileWrite, WhatIsWrittenReadsBack) {
    ProfileDocument document("[S]\nA=1\n");
    for (const char* value : {"", "x", "a,b", "9,2,100,\"Best of all\",1", "  padded", "end  "}) {
        document.Set("S", "K", value);
        const std::string expected = std::string(value);
        const auto read = document.Get("S", "K");
        ASSERT_TRUE(read.has_value());
        // Blanks at either end are dropped by every reader of the format.
        const auto first = expected.find_first_not_of(' ');
        const auto last = expected.find_last_not_of(' ');
        EXPECT_EQ(*read,
                  first == std::string::npos ? "" : expected.substr(first, last - first + 1));
    }
    EXPECT_EQ(document.Get("S", "A"), "1");
}

TEST(ProfileWrite, EditsKeepTheLineIndexAsAFreshReadingWouldFindIt) {
    const std::string starts[] = {
        "",
        "[A]\nk=1",
        "[A]\r\nk=1\r\n; note\r\n\r\n[B]\r\nx=2\r\n",
        "\xEF\xBB\xBF[a]\rK=long value here\r[b]\rk=\r",
        "[A]\nk=1\n[A]\nk=2\nother\n[C]",
    };
    const char* const sections[] = {"A", "b", "C", "New"};
    const char* const keys[] = {"k", "K", "x", "fresh"};
    const char* const values[] = {"", "1", "a much longer value than before", "v\nw"};
    for (const std::string& start : starts) {
        ProfileDocument edited(start);
        int round = 0;
        for (const char* section : sections) {
            for (const char* key : keys) {
                edited.Set(section, key, values[round++ % 4]);
                const ProfileDocument fresh(edited.Bytes());
                for (const char* s : sections) {
                    for (const char* k : keys) {
                        EXPECT_EQ(edited.Get(s, k), fresh.Get(s, k))
                            << "[" << s << "] " << k << " after setting [" << section << "] " << key
                            << " in:\n"
                            << edited.Bytes();
                    }
                }
            }
        }
    }
}
