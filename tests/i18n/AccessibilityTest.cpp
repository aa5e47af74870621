#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <vector>

#include "app/GuiFixture.h"
#include "i18n/InstalledLanguage.h"
#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "qt/window/PlayfieldView.h"

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}

QAccessible::Role Role(QObject* object) {
    return Accessible(object)->role();
}

QAccessible::Role ExpectedRole(const QWidget* control) {
    if (qobject_cast<const QPushButton*>(control) != nullptr) {
        return QAccessible::PushButton;
    }
    if (qobject_cast<const QCheckBox*>(control) != nullptr) {
        return QAccessible::CheckBox;
    }
    if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        return QAccessible::EditableText;
    }
    if (qobject_cast<const QComboBox*>(control) != nullptr) {
        return QAccessible::ComboBox;
    }
    if (qobject_cast<const QGroupBox*>(control) != nullptr) {
        return QAccessible::Grouping;
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
    }
    return QAccessible::NoRole;
}

// The label that names an edit or a list: the relation a screen reader reads out with it.
QString LabelledBy(QObject* control) {
    for (const auto& [other, relation] : Accessible(control)->relations(QAccessible::Label)) {
        return other->text(QAccessible::Name);
    }
    return {};
}

void ExpectNamedControls(const QDialog& dialog, const std::string& where) {
    EXPECT_EQ(Role(const_cast<QDialog*>(&dialog)), QAccessible::Dialog);
    EXPECT_EQ(Name(const_cast<QDialog*>(&dialog)), dialog.windowTitle());
    int controls = 0;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const QAccessible::Role expected = ExpectedRole(control);
        if (expected == QAccessible::NoRole || control->parent()->inherits("QComboBox")) {
            continue;
        }
        ++controls;
        const std::string name = where + " " + control->objectName().toStdString();
        EXPECT_EQ(Role(control), expected) << name;
        EXPECT_FALSE(Name(control).isEmpty()) << name;
        EXPECT_FALSE(Name(control).contains(QLatin1Char('&'))) << name;
        if (expected == QAccessible::EditableText || expected == QAccessible::ComboBox) {
            EXPECT_FALSE(LabelledBy(control).isEmpty()) << name << " has no label";
        }
    }
    EXPECT_GT(controls, 0);
}

}  // namespace

TEST(Accessibility, EveryControlOfBothDialogsHasANameAndARoleInEveryLanguage) {
    QStringList languages = ShippedLanguages();
    languages.prepend(QStringLiteral("en"));
    for (const QString& language : languages) {
        const InstalledLanguage installed(language);
        const TOptionsDialog options;
        ExpectNamedControls(options, "Options " + language.toStdString());
        const TAboutDialog about;
        ExpectNamedControls(about, "About " + language.toStdString());
    }
}

TEST(Accessibility, EditsAndTheListAreNamedByTheirLabels) {
    const InstalledLanguage german(QStringLiteral("de"));
    TOptionsDialog dialog;
    EXPECT_EQ(LabelledBy(dialog.findChild<QLineEdit*>(QStringLiteral("Play_Clouds_Edit"))),
              QStringLiteral("Wolken:"));
    EXPECT_EQ(Name(dialog.findChild<QLineEdit*>(QStringLiteral("Play_Speed_Edit"))),
              QStringLiteral("Geschwindigkeit:"));
    EXPECT_EQ(LabelledBy(dialog.findChild<QComboBox*>(QStringLiteral("Play_Arrange_ComboBox"))),
              QStringLiteral("Anordnung:"));
}

using AccessibleGui = GuiFixture;

TEST_F(AccessibleGui, MenusAreMenuItemsNamedWithoutTheirMnemonicMarks) {
    const InstalledLanguage german(QStringLiteral("de"));
    Gui = nullptr;
    gui.reset();
    gui = std::make_unique<MainWindow>(ticks);
    Gui = gui.get();
    QAccessibleInterface* bar = Accessible(gui->menuBar());
    ASSERT_EQ(bar->role(), QAccessible::MenuBar);
    ASSERT_EQ(bar->childCount(), 2);
    EXPECT_EQ(bar->child(0)->role(), QAccessible::MenuItem);
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), QStringLiteral("Spiel"));
    EXPECT_EQ(bar->child(1)->text(QAccessible::Name), QStringLiteral("Hilfe"));
    QStringList items;
    for (QMenu* menu : {gui->findChild<QMenu*>(QStringLiteral("Game_MItem")),
                        gui->findChild<QMenu*>(QStringLiteral("Help_MItem")),
                        MainWindowProbe::PopupMenu1(*gui)}) {
        QAccessibleInterface* list = Accessible(menu);
        EXPECT_EQ(list->role(), QAccessible::PopupMenu);
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface* item = list->child(i);
            if (item->role() == QAccessible::Separator) {
                continue;
            }
            EXPECT_EQ(item->role(), QAccessible::MenuItem);
            items << item->text(QAccessible::Name);
        }
    }
    EXPECT_EQ(items, (QStringList{"Neu", "Optionen", "Beenden", "Hilfe", "Tipps", "Über", "Neu",
                                  "Optionen"}));
}

TEST_F(AccessibleGui, ThePlayFieldAnnouncesTheScreenItShows) {
    auto* field = gui->findChild<PlayfieldView*>(QStringLiteral("Field"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(Role(field), QAccessible::Canvas);
    EXPECT_EQ(Name(field), QStringLiteral("Lumabels"));
    EXPECT_FALSE(Accessible(field)->text(QAccessible::Description).isEmpty());

    std::vector<QString> names;
    Action("Game_New_MItem")->trigger();
    names.push_back(Name(field));
    // A cloud clicked scores a point, and the field says so.
    Rect cloud;
    World().GetCloud(0, cloud);
    MainWindowProbe::FormMouseDown(*gui, Qt::LeftButton, cloud.Left + 40, cloud.Top + 16);
    names.push_back(Name(field));
    const std::int32_t score = World().GetScore();
    World().SetRecords(57, 8430);
    while (MainWindowProbe::State(*gui) == GameShell::Playing) {
        MainWindowProbe::Tick(*gui);
    }
    EXPECT_EQ(names[0], QStringLiteral("Playing, score 0"));
    EXPECT_EQ(names[1], QStringLiteral("Playing, score %1").arg(score));
    const QString results = Name(field);
    EXPECT_TRUE(results.startsWith(QStringLiteral("Results\nLast : "))) << results.toStdString();
    EXPECT_TRUE(results.contains(QStringLiteral("\nLast : %1 pt. ").arg(score)));
    EXPECT_TRUE(results.contains(QStringLiteral("\nRecord : 57 pt. 8"))) << results.toStdString();
}

namespace {

void PressTab(bool backwards = false) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QKeyEvent press(QEvent::KeyPress, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                      backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(focus, &release);
}

}  // namespace

TEST(KeyboardAlone, TabVisitsEveryControlOfTheOptionsDialogAndFocusShows) {
    const InstalledLanguage japanese(QStringLiteral("ja"));
    TOptionsDialog dialog;
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), dialog.findChild<QWidget*>(QStringLiteral("Ok_Button")));
    const QStringList order = {"Cancel_Button",
                               "Default_Button",
                               "Play_Lumabels_Edit",
                               "Play_Clouds_Edit",
                               "Play_Speed_Edit",
                               "Play_Message_Edit",
                               "Play_Sound_CheckBox",
                               "Play_Arrange_ComboBox",
                               "System_RestoreRecord_CheckBox",
                               "System_ClearRecord_CheckBox",
                               "System_RestorePosition_CheckBox",
                               "System_StayOnTop_CheckBox",
                               "Ok_Button"};
    for (const QString& next : order) {
        QWidget* control = dialog.findChild<QWidget*>(next);
        // How the control looks without the focus, then once Tab has brought it there.
        const QImage unfocused = control->grab().toImage();
        PressTab();
        ASSERT_EQ(QApplication::focusWidget(), control) << next.toStdString();
        QApplication::processEvents();
        const QImage focused = control->grab().toImage();
        if (focused == unfocused) {
            unfocused.save(QStringLiteral("/tmp/unfocused-") + next + QStringLiteral(".png"));
            focused.save(QStringLiteral("/tmp/focused-") + next + QStringLiteral(".png"));
        }
        EXPECT_NE(focused, unfocused) << next.toStdString() << " shows no sign of the focus";
    }
    PressTab(true);
    EXPECT_EQ(QApplication::focusWidget(),
              dialog.findChild<QWidget*>(QStringLiteral("System_StayOnTop_CheckBox")));
    dialog.reject();
}

TEST(KeyboardAlone, TheAboutBoxOpensWithAVisibleFocusOnOk) {
    const InstalledLanguage chinese(QStringLiteral("zh_CN"));
    TAboutDialog about;
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("Button1"));
    about.show();
    about.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), ok);
    EXPECT_TRUE(ok->hasFocus());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(ok, &escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), 1);
}
