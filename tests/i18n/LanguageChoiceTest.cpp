#include <gtest/gtest.h>

#include <QCoreApplication>
#include <map>
#include <string>
#include <vector>

#include "desktop/HelpPage.h"
#include "i18n/InstalledLanguage.h"
#include "qt/desktop/GameTranslations.h"

namespace {

using Languages = std::vector<std::string>;

Languages Requested(std::map<std::string, std::string> environment) {
    return GameTranslations::RequestedLanguages([&environment](const char* name) {
        const auto found = environment.find(name);
        return found != environment.end() ? found->second : std::string();
    });
}

}  // namespace

TEST(LanguageChoice, LanguageListComesFirstThenTheLocaleOfMessages) {
    EXPECT_EQ(Requested({{"LANGUAGE", "fr:de_AT"}, {"LANG", "it_IT.UTF-8"}}),
              (Languages{"fr", "de_AT", "de", "it_IT", "it"}));
    EXPECT_EQ(Requested({{"LANGUAGE", "de"}}), (Languages{"de"}));
    EXPECT_EQ(Requested({{"LANGUAGE", ":ja::"}}), (Languages{"ja"}));
}

TEST(LanguageChoice, LcAllBeforeLcMessagesBeforeLang) {
    EXPECT_EQ(Requested({{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "ja_JP"}, {"LANG", "es_ES"}}),
              (Languages{"ru_RU", "ru"}));
    EXPECT_EQ(Requested({{"LC_MESSAGES", "ja_JP.eucJP"}, {"LANG", "es_ES"}}),
              (Languages{"ja_JP", "ja"}));
    EXPECT_EQ(Requested({{"LANG", "pt_BR.UTF-8@latin"}}), (Languages{"pt_BR", "pt"}));
}

TEST(LanguageChoice, TheCLocaleMeansTheProgramsOwnTextsWhateverLanguageSays) {
    EXPECT_TRUE(Requested({{"LANGUAGE", "de"}, {"LC_ALL", "C"}}).empty());
    EXPECT_TRUE(Requested({{"LANGUAGE", "de"}, {"LANG", "POSIX"}}).empty());
    EXPECT_TRUE(Requested({}).empty());
    // C.UTF-8 is what containers set by default; a LANGUAGE beside it still counts.
    EXPECT_EQ(Requested({{"LANGUAGE", "de"}, {"LANG", "C.UTF-8"}}), (Languages{"de", "C"}));
}

TEST(LanguageChoice, TheFirstLanguageTheGameHasWins) {
    const std::vector<std::string> folders = {"/nonexistent/", LUMABELS_TRANSLATIONS_DIR "/"};
    EXPECT_EQ(GameTranslations({"eo", "fr_CA", "fr", "de"}, folders, QString()).Language(), "fr");
    EXPECT_EQ(GameTranslations({"pt_BR", "pt"}, folders, QString()).Language(), "pt_BR");
    EXPECT_EQ(GameTranslations({"zh_CN", "zh"}, folders, QString()).Language(), "zh_CN");
    // Traditional Chinese and European Portuguese are not offered the other spelling.
    EXPECT_EQ(GameTranslations({"zh_TW", "zh"}, folders, QString()).Language(), "");
    EXPECT_EQ(GameTranslations({"pt_PT", "pt"}, folders, QString()).Language(), "");
    // English, asked for before a language the game has, is English.
    EXPECT_EQ(GameTranslations({"en_GB", "en", "de"}, folders, QString()).Language(), "");
    EXPECT_EQ(GameTranslations({"de"}, {"/nonexistent/"}, QString()).Language(), "");
}

TEST(LanguageChoice, TheExecutablesOwnFolderComesBeforeTheInstalledData) {
    EXPECT_EQ(TranslationFolders("/usr/games/"),
              (std::vector<std::string>{"/usr/games/translations/",
                                        "/usr/share/lumabels/translations/"}));
}

TEST(LanguageChoice, QtsOwnButtonsSpeakTheLanguageToo) {
    const InstalledLanguage german(QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

TEST(LanguageChoice, TranslateWorksBeforeTheApplicationObject) {
    const GameTranslations french({"fr"}, {LUMABELS_TRANSLATIONS_DIR "/"}, QString());
    EXPECT_EQ(french.Translate("ResultsHeading", "Results"), QStringLiteral("Résultats"));
    EXPECT_EQ(french.Translate("ResultsHeading", "no such text"), QStringLiteral("no such text"));
    const GameTranslations english({}, {LUMABELS_TRANSLATIONS_DIR "/"}, QString());
    EXPECT_EQ(english.Translate("ResultsHeading", "Results"), QStringLiteral("Results"));
}

TEST(HelpPage, ThePlayersLanguageWhenShippedElseEnglish) {
    const auto only = [](const std::string& present) {
        return [present](const std::string& path) { return path == present; };
    };
    EXPECT_EQ(LocalizedHelpPath("/g/help/index.html", "de", only("/g/help/de/index.html")),
              "/g/help/de/index.html");
    EXPECT_EQ(LocalizedHelpPath("/g/help/index.html", "pt_BR", only("/g/help/de/index.html")),
              "/g/help/index.html");
    EXPECT_EQ(LocalizedHelpPath("/g/help/index.html", "", only("/g/help//index.html")),
              "/g/help/index.html");
}
