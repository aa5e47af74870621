#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <map>
#include <memory>
#include <optional>

#include "GameVersion.h"
#include "app/GuiFixture.h"
#include "i18n/InstalledLanguage.h"
#include "qt/desktop/QtTranslator.h"
#include "qt/desktop/ResultsHeading.h"
#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "qt/process/CommandLine.h"
#include "qt/process/PlatformStartGuard.h"
#include "qt/window/FieldPainter.h"
#include "settings/CurrentPlayOptions.h"
#include "shell/ShellTexts.h"
#include "support/WorldProbe.h"

namespace {

std::array<QString, 5> AsQStrings(const ResultTexts& lines) {
    std::array<QString, 5> texts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        texts[i] = QString::fromStdString(lines[i]);
    }
    return texts;
}

// Every text a player reads, by where it is shown.
using Texts = std::map<QString, QString>;

void AddMenu(Texts& texts, const QString& where, const QMenu* menu) {
    texts[where] = menu->title();
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts[where + QLatin1Char('/') + action->objectName()] = action->text();
        }
    }
}

Texts OptionsTexts(const TOptionsDialog& dialog) {
    Texts texts{{QStringLiteral("Options"), dialog.windowTitle()}};
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts[label->objectName()] = label->text();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        texts[button->objectName()] = button->text();
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        texts[group->objectName()] = group->title();
    }
    const auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("Play_Arrange_ComboBox"));
    for (int i = 0; i < combo->count(); ++i) {
        texts[QStringLiteral("Preset%1").arg(i)] = combo->itemText(i);
    }
    texts[QStringLiteral("Play_Message_Edit")] =
        dialog.findChild<QLineEdit*>(QStringLiteral("Play_Message_Edit"))->text();
    return texts;
}

Texts AboutTexts(const TAboutDialog& about) {
    return {{QStringLiteral("About"), about.windowTitle()},
            {QStringLiteral("Label1"), about.findChild<QLabel*>(QStringLiteral("Label1"))->text()},
            {QStringLiteral("Button1"),
             about.findChild<QPushButton*>(QStringLiteral("Button1"))->text()}};
}

class TextsTest : public GuiFixture {
  protected:
    // The main window made again, as the game makes it after its language is installed.
    void Remake() {
        Gui = nullptr;
        gui.reset();
        gui = std::make_unique<MainWindow>(ticks);
        Gui = gui.get();
    }
    Texts MenuTexts() const {
        Texts texts;
        for (const char* name : {"Game_MItem", "Help_MItem"}) {
            AddMenu(texts, QString::fromLatin1(name), gui->findChild<QMenu*>(name));
        }
        AddMenu(texts, QStringLiteral("Popup"), MainWindowProbe::PopupMenu1(*gui));
        return texts;
    }

    // The text and caption of the box that the menu item opens.
    std::pair<QString, QString> BoxOf(const char* item) {
        std::pair<QString, QString> shown;
        WhileModal([&shown] {
            if (const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = {box->text(), box->windowTitle()};
            }
        });
        Action(item)->trigger();
        return shown;
    }

    std::array<QString, 5> Results() {
        MainWindowProbe::SetState(*gui, GameShell::Playing);
        World().SetRecords(57, 8430);
        return AsQStrings(ResultTextsOf(World(), CurrentPlayOptions, QtTranslator()));
    }
};

QString Dot() {
    return QLocale().decimalPoint();
}

}  // namespace

TEST_F(TextsTest, EnglishIsExactlyTheProgramsOwnTexts) {
    const InstalledLanguage english(QStringLiteral("en"));
    ASSERT_EQ(english.Language(), "");
    Remake();
    const Texts menus = MenuTexts();
    const Texts expectedMenus = {
        {"Game_MItem", "&Game"},
        {"Game_MItem/Game_New_MItem", "&New"},
        {"Game_MItem/Game_Options_MItem", "&Options"},
        {"Game_MItem/Game_Exit_MItem", "E&xit"},
        {"Help_MItem", "&Help"},
        {"Help_MItem/Help_Help_MItem", "&Help"},
        {"Help_MItem/Help_Tips_MItem", "&Tips"},
        {"Help_MItem/Help_About_MItem", "&About"},
        {"Popup", ""},
        {"Popup/Popup_New_MItem", "&New"},
        {"Popup/Popup_Options_MItem", "&Options"},
    };
    EXPECT_EQ(menus, expectedMenus);
    EXPECT_EQ(gui->windowTitle(), QStringLiteral("Lumabels"));
    EXPECT_EQ(
        BoxOf("Help_Help_MItem"),
        std::make_pair(QStringLiteral("Opening HTML help file.\n\nSure?"), QStringLiteral("Help")));
    EXPECT_EQ(BoxOf("Help_Tips_MItem"),
              std::make_pair(QStringLiteral("A new lumabel comes out when a cloud is clicked.\n\n"
                                            "[Shift] functions as left mouse click while playing "
                                            "the game."),
                             QStringLiteral("Tips")));

    const TOptionsDialog options;
    const Texts expectedOptions = {
        {"Options", "Options"},
        {"Ok_Button", "OK"},
        {"Cancel_Button", "Cancel"},
        {"Default_Button", "Default"},
        {"Play_GroupBox", "Play"},
        {"Play_Lumabels_Label", "&Lumabels :"},
        {"Play_Clouds_Label", "&Clouds :"},
        {"Play_Speed_Label", "&Speed :"},
        {"Play_Message_Label", "&Message :"},
        {"Play_Arrange_Label", "&Arrange :"},
        {"Play_Sound_CheckBox", "Play S&ound"},
        {"Play_Message_Edit", "Results"},
        {"System_GroupBox", "System"},
        {"System_RestoreRecord_CheckBox", "Restore R&ecord"},
        {"System_ClearRecord_CheckBox", "Clear Recor&d"},
        {"System_RestorePosition_CheckBox", "Restore &Position"},
        {"System_StayOnTop_CheckBox", "Stay on &Top"},
        {"Preset0", "(None)"},
        {"Preset1", "Default"},
        {"Preset2", "Serene"},
        {"Preset3", "Cloudy"},
        {"Preset4", "Moderato"},
    };
    EXPECT_EQ(OptionsTexts(options), expectedOptions);

    const TAboutDialog about;
    const Texts expectedAbout = {
        {"About", "About"},
        {"Label1", QString("Lumabels for Linux Version %1. Copyright (c) 2026 the Lumabels "
                           "developers. Free software under the MIT License.")
                       .arg(GameVersion)},
        {"Button1", "OK"},
    };
    EXPECT_EQ(AboutTexts(about), expectedAbout);

    const std::array<QString, 5> results = Results();
    EXPECT_EQ(results[0], QStringLiteral("Results"));
    EXPECT_EQ(results[2], QStringLiteral("Last : 0 pt. 0 sec."));
    EXPECT_EQ(results[4], QStringLiteral("Record : 57 pt. 8") + Dot() + QStringLiteral("43 sec."));

    EXPECT_EQ(UsageLine(),
              "Usage: lumabels [--help | --version] [Qt options such as -platform NAME, -style "
              "NAME]\n");
    EXPECT_TRUE(HelpText().starts_with(
        "Usage: lumabels [--help | --version] [Qt options such as -platform NAME, -style "
        "NAME]\n\nLumabels, a small arcade game: a girl in a white dress rides six-colour bands "
        "across\nthe night sky."));
    EXPECT_NE(HelpText().find("\n\n  --help     show this text and exit\n  --version  show the "
                              "version and exit\n\nThe options every Qt program"),
              std::string::npos);
    EXPECT_EQ(NoDisplayLine(nullptr, ":1", "xcb"),
              "lumabels: cannot start: no X display (DISPLAY is not set) and no Wayland display "
              "(WAYLAND_DISPLAY=:1) could be opened with the platform QT_QPA_PLATFORM=xcb\n");
}

TEST_F(TextsTest, GermanShowsGermanWords) {
    const InstalledLanguage german(QStringLiteral("de"));
    ASSERT_EQ(german.Language(), "de");
    Remake();
    const Texts menus = MenuTexts();
    EXPECT_EQ(menus.at("Game_MItem"), QStringLiteral("&Spiel"));
    EXPECT_EQ(menus.at("Game_MItem/Game_Exit_MItem"), QStringLiteral("&Beenden"));
    EXPECT_EQ(menus.at("Popup/Popup_Options_MItem"), QStringLiteral("&Optionen"));
    EXPECT_EQ(BoxOf("Help_Tips_MItem").second, QStringLiteral("Tipps"));
    const TOptionsDialog options;
    const Texts dialog = OptionsTexts(options);
    EXPECT_EQ(dialog.at("Cancel_Button"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(dialog.at("Play_Clouds_Label"), QStringLiteral("&Wolken:"));
    EXPECT_EQ(dialog.at("Preset0"), QStringLiteral("(Keine)"));
    EXPECT_EQ(dialog.at("Play_Message_Edit"), QStringLiteral("Ergebnisse"));
    const std::array<QString, 5> results = Results();
    EXPECT_EQ(results[0], QStringLiteral("Ergebnisse"));
    EXPECT_EQ(results[4],
              QStringLiteral("Rekord: 57 Punkte, 8") + Dot() + QStringLiteral("43 Sek."));
    EXPECT_EQ(UsageLine().substr(0, 8), "Aufruf: ");
    EXPECT_TRUE(NoDisplayLine(nullptr, nullptr, nullptr)
                    .starts_with("lumabels: Start nicht möglich: Weder eine X-Anzeige (DISPLAY "
                                 "ist nicht gesetzt)"));
}

TEST_F(TextsTest, JapaneseShowsJapaneseWords) {
    const InstalledLanguage japanese(QStringLiteral("ja"));
    ASSERT_EQ(japanese.Language(), "ja");
    Remake();
    EXPECT_EQ(MenuTexts().at("Help_MItem/Help_About_MItem"), QStringLiteral("バージョン情報(&A)"));
    const TOptionsDialog options;
    EXPECT_EQ(OptionsTexts(options).at("System_StayOnTop_CheckBox"),
              QStringLiteral("常に手前に表示する(&T)"));
    const TAboutDialog about;
    EXPECT_TRUE(AboutTexts(about).at("Label1").startsWith(
        QStringLiteral("Linux 版 Lumabels バージョン %1。").arg(GameVersion)));
    const std::array<QString, 5> results = Results();
    EXPECT_EQ(results[2], QStringLiteral("今回：0点　0秒"));
}

// A count is written in and its word agrees with it, in each plural form of the language: the
// same points text for 1 as for 5 would read "1 Punkte" or "5 очко".
TEST_F(TextsTest, EveryLanguageWritesPointsInThePluralFormOfTheirCount) {
    const std::map<QString, std::map<int, QString>> words = {
        {"en", {{1, "1 pt."}, {5, "5 pt."}}},
        {"de", {{1, "1 Punkt,"}, {5, "5 Punkte,"}}},
        {"fr", {{1, "1\u00a0pt,"}, {2, "2\u00a0pts,"}}},
        {"es", {{1, "1 pto.,"}, {5, "5 ptos.,"}}},
        {"it", {{1, "1 punto,"}, {5, "5 punti,"}}},
        {"pt_BR", {{1, "1 ponto,"}, {5, "5 pontos,"}}},
        {"ru", {{1, "1 очко,"}, {3, "3 очка,"}, {5, "5 очков,"}, {21, "21 очко,"}}},
        {"ja", {{1, "1点"}, {5, "5点"}}},
        {"zh_CN", {{1, "得分 1，"}, {5, "得分 5，"}}},
    };
    QStringList languages = ShippedLanguages();
    languages.prepend(QStringLiteral("en"));
    for (const QString& language : languages) {
        ASSERT_TRUE(words.contains(language)) << language.toStdString();
        const InstalledLanguage installed(language);
        for (const auto& [count, word] : words.at(language)) {
            MainWindowProbe::SetState(*gui, GameShell::Playing);
            WorldProbe::SetScore(World(), count);
            World().SetRecords(count, 8430);
            const std::array<QString, 5> results =
                AsQStrings(ResultTextsOf(World(), CurrentPlayOptions, QtTranslator()));
            for (const std::size_t line : {2U, 4U}) {
                EXPECT_TRUE(results[line].contains(word))
                    << language.toStdString() << ": " << results[line].toStdString();
            }
        }
    }
}

// Where a translation may rightly keep the English word.
const QSet<QString> SameInManyLanguages = {
    QStringLiteral("OK"),       QStringLiteral("System"),   QStringLiteral("Options"),
    QStringLiteral("&Options"), QStringLiteral("Moderato"),
};

TEST_F(TextsTest, EveryLanguageTranslatesEveryText) {
    Texts english = MenuTexts();
    {
        const TOptionsDialog options;
        english.merge(OptionsTexts(options));
        const TAboutDialog about;
        english.merge(AboutTexts(about));
    }
    for (const QString& language : ShippedLanguages()) {
        const InstalledLanguage installed(language);
        ASSERT_EQ(installed.Language(), language.toStdString());
        Remake();
        Texts translated = MenuTexts();
        const TOptionsDialog options;
        translated.merge(OptionsTexts(options));
        const TAboutDialog about;
        translated.merge(AboutTexts(about));
        ASSERT_EQ(translated.size(), english.size());
        for (const auto& [where, text] : english) {
            if (!text.isEmpty() && !SameInManyLanguages.contains(text)) {
                EXPECT_NE(translated.at(where), text)
                    << language.toStdString() << " " << where.toStdString();
            }
            EXPECT_EQ(translated.at(where).isEmpty(), text.isEmpty())
                << language.toStdString() << " " << where.toStdString();
        }
    }
}

namespace {

// The letter after a single '&', lower-cased; none for a text without one.
std::optional<QChar> Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return std::nullopt;
}

void ExpectDistinctMnemonics(const QStringList& texts, const std::string& where) {
    QSet<QChar> seen;
    for (const QString& text : texts) {
        const std::optional<QChar> key = Mnemonic(text);
        ASSERT_TRUE(key.has_value()) << where << ": " << text.toStdString() << " has no mnemonic";
        EXPECT_FALSE(seen.contains(*key)) << where << ": " << text.toStdString() << " clashes";
        seen.insert(*key);
    }
}

QStringList ActionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

}  // namespace

TEST_F(TextsTest, MnemonicsNeverClashInsideAMenuOrTheOptionsDialog) {
    QStringList languages = ShippedLanguages();
    languages.prepend(QStringLiteral("en"));
    for (const QString& language : languages) {
        const InstalledLanguage installed(language);
        Remake();
        const std::string name = language.toStdString();
        const auto* game = gui->findChild<QMenu*>(QStringLiteral("Game_MItem"));
        const auto* help = gui->findChild<QMenu*>(QStringLiteral("Help_MItem"));
        ExpectDistinctMnemonics({game->title(), help->title()}, name + " menu bar");
        ExpectDistinctMnemonics(ActionTexts(game), name + " Game menu");
        ExpectDistinctMnemonics(ActionTexts(help), name + " Help menu");
        ExpectDistinctMnemonics(ActionTexts(MainWindowProbe::PopupMenu1(*gui)),
                                name + " popup menu");
        const TOptionsDialog options;
        QStringList dialog;
        for (const QLabel* label : options.findChildren<QLabel*>()) {
            dialog << label->text();
        }
        for (const QCheckBox* box : options.findChildren<QCheckBox*>()) {
            dialog << box->text();
        }
        ASSERT_EQ(dialog.size(), 10);
        ExpectDistinctMnemonics(dialog, name + " Options dialog");
    }
}

TEST(ResultsHeadingTest, OnlyTheDefaultIsTranslatedAndItIsStoredInEnglish) {
    const InstalledLanguage german(QStringLiteral("de"));
    EXPECT_EQ(ResultsHeading::Shown("Results"), QStringLiteral("Ergebnisse"));
    EXPECT_EQ(ResultsHeading::Shown("Résumé"), QStringLiteral("Résumé"));
    EXPECT_EQ(ResultsHeading::Shown(""), QString());
    EXPECT_EQ(ResultsHeading::Stored(QStringLiteral("Ergebnisse")), "Results");
    EXPECT_EQ(ResultsHeading::Stored(QStringLiteral("Ergebnis")), "Ergebnis");
    EXPECT_EQ(ResultsHeading::Stored(QString()), "");
}

TEST(ResultsHeadingTest, TheOptionsDialogShowsTheTranslatedDefaultAndKeepsTypedHeadings) {
    const InstalledLanguage french(QStringLiteral("fr"));
    TOptionsDialog dialog;
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Play_Message_Edit"));
    AppPlayOptions custom;
    custom.Message = "Results of the day";
    dialog.SetPlayOptions(custom);
    EXPECT_EQ(edit->text(), QStringLiteral("Results of the day"));
    // Default puts the player's word in; OK stores it as the default, not as French.
    dialog.findChild<QPushButton*>(QStringLiteral("Default_Button"))->click();
    EXPECT_EQ(edit->text(), QStringLiteral("Résultats"));
    dialog.show();
    dialog.done(ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().Message, "Results");
    // A heading the player typed is kept as typed.
    dialog.show();
    edit->setText(QStringLiteral("Bravo !"));
    dialog.done(ModalResult::Ok);
    EXPECT_EQ(dialog.GetPlayOptions().Message, "Bravo !");
}
