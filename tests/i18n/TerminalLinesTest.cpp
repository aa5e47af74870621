#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "i18n/InstalledLanguage.h"
#include "qt/desktop/QtTranslator.h"
#include "qt/process/CommandLine.h"
#include "qt/process/SaveAtExit.h"
#include "qt/process/SingleInstanceLock.h"
#include "settings/KeptSettings.h"
#include "settings/TempFolder.h"
#include "shell/ShellTexts.h"
#include "support/LeakCheckSwitch.h"

namespace {

// A lock that cannot be taken: its private folder in the temp folder is a plain file.
std::string LockProblem(const TempFolder& folder) {
    std::ofstream(folder.File("Lumabels-" + std::to_string(geteuid())));
    return SingleInstanceLock("Lumabels", "", folder.Path().string()).Problem();
}

// A save that cannot be made (settings.ini is a folder), said as the terminal shows it.
std::string SaveProblem(const std::string& path) {
    std::filesystem::create_directory(path);
    const WriteOutcome outcome = KeptSettings(path).Write();
    return outcome ? std::string() : NotSavedLine(path, outcome.Problem(), QtTranslator()) + "\n";
}

const std::string SettingsParagraph =
    "\n\nSettings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),\n"
    "or, for a portable copy (sound/ or help/ beside the program), in settings.ini\n"
    "beside the program when this user may write there.\nExit status: 0";

}  // namespace

TEST(TerminalLines, EnglishAsTheGameHasAlwaysSaidThem) {
    EXPECT_NE(HelpText().find(SettingsParagraph), std::string::npos);
    EXPECT_TRUE(HelpText().ends_with(
        "does nothing), 2 for an unknown option, 3 when no display could be opened.\n"));
    TempFolder folder;
    const std::string lockFolder = folder.File("Lumabels-" + std::to_string(geteuid()));
    EXPECT_EQ(LockProblem(folder), "lumabels: cannot take the single-instance lock " + lockFolder +
                                       ": it is not a folder\n");
    const std::string path = folder.File("settings.ini");
    EXPECT_EQ(SaveProblem(path), "lumabels: the settings were not saved in " + path +
                                     ": not a regular file, so left as it is\n");
}

TEST(TerminalLines, EveryLanguageSaysThemInItsOwnWords) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    const std::string englishHelp = HelpText();
    const std::string englishLock = LockProblem(folder);
    const std::string englishSave = SaveProblem(path);
    const std::string englishRefusal = NotUnderstoodText("--bogus");
    for (const QString& language : ShippedLanguages()) {
        const InstalledLanguage installed(language);
        ASSERT_EQ(installed.Language(), language.toStdString());
        const std::string name = language.toStdString();
        EXPECT_EQ(HelpText().find(SettingsParagraph), std::string::npos) << name;
        EXPECT_NE(HelpText().find("$XDG_CONFIG_HOME/lumabels/settings.ini"), std::string::npos)
            << name;
        const std::string lock = LockProblem(folder);
        EXPECT_NE(lock, englishLock) << name;
        EXPECT_EQ(lock.find("it is not a folder"), std::string::npos) << name;
        EXPECT_NE(lock.find(folder.File("Lumabels-")), std::string::npos) << name;
        EXPECT_TRUE(lock.ends_with("\n")) << name;
        const std::string save = SaveProblem(path);
        EXPECT_NE(save, englishSave) << name;
        EXPECT_NE(save.find(path), std::string::npos) << name;
        const std::string refusal = NotUnderstoodText("--bogus");
        EXPECT_NE(refusal.substr(0, refusal.find('\n')),
                  englishRefusal.substr(0, englishRefusal.find('\n')))
            << name;
        EXPECT_NE(refusal.find("--bogus"), std::string::npos) << name;
    }
}

TEST(TerminalLines, GermanFillsInPathsByteForByte) {
    const InstalledLanguage german(QStringLiteral("de"));
    EXPECT_NE(HelpText().find("\n\nDie Einstellungen liegen in "
                              "$XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),\n"),
              std::string::npos);
    TempFolder folder;
    // Not UTF-8, and with what looks like a placeholder of the translation.
    const std::string path = folder.File("%2 \xff settings.ini");
    EXPECT_EQ(SaveProblem(path), "lumabels: Die Einstellungen wurden nicht in " + path +
                                     " gespeichert: not a regular file, so left as it is\n");
}

TEST(TerminalLines, TheLineAtExitIsWordedWhileTheTranslationsAreThere) {
    GTEST_FLAG_SET(death_test_style, "fast");
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    const auto exitWithoutTheWindow = [&path] {
        KeptSettings kept(path);
        std::optional<SaveAtExit> hook;
        {
            const InstalledLanguage german(QStringLiteral("de"));
            hook.emplace(kept);
        }
        TurnLeakCheckOff();
        std::exit(1);
    };
    EXPECT_EXIT(exitWithoutTheWindow(), testing::ExitedWithCode(1),
                "Lumabels: Ende ohne Fenster \\(die Verbindung zur Anzeige ist verloren\\); die "
                "Einstellungen wurden in .*settings.ini gespeichert");
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
}
