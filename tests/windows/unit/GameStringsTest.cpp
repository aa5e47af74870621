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
    EXPECT_STREQ(GameStrings::Tr(L"MainWindow", L"&Game"), L"&Spiel");
    EXPECT_STREQ(GameStrings::Tr(L"TOptionsDialog", L"Cancel"), L"Abbrechen");
    // Texts with a line break and with letters beyond ASCII come through the table whole.
    EXPECT_EQ(std::wstring(GameStrings::Tr(L"MainWindow", L"Opening HTML help file.\n\nSure?"))
                  .find(L"\n\n"),
              std::wstring(L"Die HTML-Hilfe wird ge\u00f6ffnet.").size());
    EXPECT_STREQ(GameStrings::Tr(L"MainWindow", L"no such text"), L"no such text");
    EXPECT_STREQ(GameStrings::Tr(L"NoSuchContext", L"&Game"), L"&Game");
    GameStrings::Choose(L"en-US");
    EXPECT_STREQ(GameStrings::Tr(L"MainWindow", L"&Game"), L"&Game");
}

// The results lines take the plural form each language's rule gives the count, as on Linux.
TEST_F(GameStringsTest, CountsTakeTheirLanguagesPluralForm) {
    const struct {
        const wchar_t* Locale;
        int Count;
        const wchar_t* Words;
    } cases[] = {
        {L"en-US", 1, L"Last : 1 pt. %1 sec."},
        {L"de-DE", 1, L"1 Punkt,"},
        {L"de-DE", 0, L"0 Punkte,"},
        {L"fr-FR", 0, L"0\u00a0pt,"},
        {L"fr-FR", 2, L"2\u00a0pts,"},
        {L"pt-BR", 1, L"1 ponto,"},
        {L"pt-BR", 5, L"5 pontos,"},
        {L"ru-RU", 21, L"21 \u043e\u0447\u043a\u043e,"},
        {L"ru-RU", 3, L"3 \u043e\u0447\u043a\u0430,"},
        {L"ru-RU", 11, L"11 \u043e\u0447\u043a\u043e\u0432,"},
        {L"ja-JP", 7, L"7\u70b9"},
        {L"de-DE", -3, L"%n Punkt,"},
    };
    for (const auto& c : cases) {
        GameStrings::Choose(c.Locale);
        const std::wstring text =
            GameStrings::TrN(L"ResultLines", L"Last : %n pt. %1 sec.", c.Count);
        EXPECT_NE(text.find(c.Words), std::wstring::npos) << c.Locale << " " << c.Count;
    }
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
