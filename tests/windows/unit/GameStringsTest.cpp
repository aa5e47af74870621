#include <gtest/gtest.h>

#include <string>

#include "win32/translations/GameStrings.h"
#include "win32/translations/ResultsHeading.h"

namespace {

// The language is program-wide: each test chooses its own and leaves English behind.
class GameStringsTest : public testing::Test {
  protected:
    void TearDown() override { GameStrings::Choose(L"en-US"); }
};

TEST_F(GameStringsTest, ChoosesTheLocaleOrItsLanguageOrEnglish) {
    const struct {
        const wchar_t* Locale;
        const wchar_t* Language;
    } cases[] = {
        {L"de-DE", L"de"}, {L"de-AT", L"de"}, {L"pt-BR", L"pt_BR"}, {L"zh-CN", L"zh_CN"},
        {L"pt-PT", L""},   {L"en-GB", L""},   {L"", L""},           {L"xx", L""},
    };
    for (const auto& c : cases) {
        GameStrings::Choose(c.Locale);
        EXPECT_EQ(GameStrings::Language(), c.Language) << c.Locale;
    }
}

TEST_F(GameStringsTest, TranslatesByContextAndSourceAndFallsBackToTheSource) {
    GameStrings::Choose(L"de-DE");
    EXPECT_STREQ(GameStrings::Tr(L"TGui", L"&Game"), L"&Spiel");
    EXPECT_STREQ(GameStrings::Tr(L"TOptionsDialog", L"Cancel"), L"Abbrechen");
    // Texts with a line break and with letters beyond ASCII come through the table whole.
    EXPECT_EQ(
        std::wstring(GameStrings::Tr(L"TGui", L"Opening HTML help file.\n\nSure?")).find(L"\n\n"),
        std::wstring(L"Die HTML-Hilfe wird ge\u00f6ffnet.").size());
    EXPECT_STREQ(GameStrings::Tr(L"TGui", L"no such text"), L"no such text");
    EXPECT_STREQ(GameStrings::Tr(L"NoSuchContext", L"&Game"), L"&Game");
    GameStrings::Choose(L"en-US");
    EXPECT_STREQ(GameStrings::Tr(L"TGui", L"&Game"), L"&Game");
}

TEST_F(GameStringsTest, FillsNumberedPlacesInOnePass) {
    EXPECT_EQ(GameStrings::Fill(L"%1 %2. %3", {L"A", L"%1", L"C"}), L"A %1. C");
    EXPECT_EQ(GameStrings::Fill(L"%2 before %1", {L"x", L"y"}), L"y before x");
    EXPECT_EQ(GameStrings::Fill(L"%3 and 100%", {L"x"}), L"%3 and 100%");
}

TEST_F(GameStringsTest, TheDefaultHeadingIsShownTranslatedAndStoredInEnglish) {
    GameStrings::Choose(L"de-DE");
    EXPECT_EQ(ResultsHeading::Shown("Results"), L"Ergebnisse");
    EXPECT_EQ(ResultsHeading::Stored(L"Ergebnisse"), "Results");
    EXPECT_EQ(ResultsHeading::Shown("Gut gemacht"), L"Gut gemacht");
    EXPECT_EQ(ResultsHeading::Stored(L"J\u00fcrgen"), "J\xc3\xbcrgen");
    EXPECT_EQ(ResultsHeading::Stored(L""), "");
}

}  // namespace
