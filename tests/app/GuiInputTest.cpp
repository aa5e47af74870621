#include <QAbstractButton>
#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
#include <QUrl>

#include "app/GuiFixture.h"
#include "app/StandInViewer.h"
#include "support/WorldProbe.h"

namespace {

const Band WideBand{{-400, 204, 800, 300}, 0, -7};
const Band Near{{-96, 150, 100, 246}, 1, -3};

}  // namespace

class GuiInputTest : public GuiFixture {
  protected:
    void StartGameWithNear() {
        Action("Game_New_MItem")->trigger();
        WorldProbe::SetLumabels(World(), {WideBand, Near});
        WorldProbe::SetCarrier(World(), 0, 200);
    }
};

TEST_F(GuiInputTest, SpaceAndEnterStartAGameOnTheTitleAndResultsOnly) {
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        MainWindowProbe::SetState(*gui, GameShell::Title);
        MainWindowProbe::FormKeyDown(*gui, key);
        EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Playing) << key;
        MainWindowProbe::SetState(*gui, GameShell::Results);
        MainWindowProbe::FormKeyDown(*gui, key);
        EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Playing) << key;
        MainWindowProbe::Tick(*gui);
        MainWindowProbe::FormKeyDown(*gui, key);  // during play: nothing, the game is not restarted
        EXPECT_EQ(BandTop(), 197) << key;
    }
    MainWindowProbe::SetState(*gui, GameShell::Title);
    MainWindowProbe::FormKeyDown(*gui, Qt::Key_A);
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Title);
}

TEST_F(GuiInputTest, ADisabledNewItemStartsNothing) {
    Action("Game_New_MItem")->setEnabled(false);
    MainWindowProbe::FormKeyDown(*gui, Qt::Key_Space);
    MainWindowProbe::FormMouseDown(*gui, Qt::LeftButton, 10, 10);
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Title);
}

TEST_F(GuiInputTest, TheLeftButtonStartsOnTheTitleClicksInPlayAndIsIgnoredOnResults) {
    MainWindowProbe::FormMouseDown(*gui, Qt::RightButton, 10, 10);
    MainWindowProbe::FormMouseDown(*gui, Qt::MiddleButton, 10, 10);
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Title);
    MainWindowProbe::FormMouseDown(*gui, Qt::LeftButton, 10, 10);
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Playing);

    StartGameWithNear();
    MainWindowProbe::FormMouseDown(*gui, Qt::RightButton, 50, 200);
    EXPECT_EQ(World().GetScore(), 0);
    MainWindowProbe::FormMouseDown(*gui, Qt::LeftButton, 50, 200);
    EXPECT_EQ(World().GetScore(), 1);
    EXPECT_EQ(World().GetCurrentLumabel(), 1);

    MainWindowProbe::SetState(*gui, GameShell::Results);
    MainWindowProbe::FormMouseDown(*gui, Qt::LeftButton, 50, 200);
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Results);
}

TEST_F(GuiInputTest, ShiftCountsEveryKeyDownUpToSixteenInEveryState) {
    for (int i = 0; i < 20; ++i) {
        MainWindowProbe::FormKeyDown(*gui, Qt::Key_Shift);
    }
    EXPECT_EQ(MainWindowProbe::ShiftCount(*gui), 16);
    MainWindowProbe::FormKeyUp(*gui, Qt::Key_A);
    EXPECT_EQ(MainWindowProbe::ShiftCount(*gui), 16);
    MainWindowProbe::FormKeyUp(*gui, Qt::Key_Shift);
    EXPECT_EQ(MainWindowProbe::ShiftCount(*gui), 0);
}

TEST_F(GuiInputTest, TheFirstShiftDownOfAPressClicksAtTheCursorOnce) {
    gui->show();
    StartGameWithNear();
    QWidget* field = gui->centralWidget();
    QCursor::setPos(field->mapToGlobal(QPoint(50, 200)));
    ASSERT_EQ(field->mapFromGlobal(QCursor::pos()), QPoint(50, 200));
    MainWindowProbe::FormKeyDown(*gui, Qt::Key_Shift);
    EXPECT_EQ(World().GetScore(), 1);
    EXPECT_EQ(World().GetCharacterX(), 50);
    // Auto-repeat and moving the mouse while holding give no further click.
    QCursor::setPos(field->mapToGlobal(QPoint(300, 280)));
    MainWindowProbe::FormKeyDown(*gui, Qt::Key_Shift);
    MainWindowProbe::FormKeyDown(*gui, Qt::Key_Shift);
    EXPECT_EQ(World().GetScore(), 1);
    MainWindowProbe::FormKeyUp(*gui, Qt::Key_Shift);
    MainWindowProbe::FormKeyDown(*gui, Qt::Key_Shift);  // a new press jumps back onto the band
    EXPECT_EQ(World().GetScore(), 2);
    EXPECT_EQ(World().GetCurrentLumabel(), 0);
}

TEST_F(GuiInputTest, AHeldShiftsAutoRepeatGivesNoFurtherClick) {
    // X11 repeats a held key as release and press pairs, both marked as repeats; only the
    // player's own release may end the press.
    gui->show();
    StartGameWithNear();
    QWidget* field = gui->centralWidget();
    QCursor::setPos(field->mapToGlobal(QPoint(50, 200)));
    const auto send = [field](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_Shift, Qt::ShiftModifier, QString(), repeat);
        QApplication::sendEvent(field, &event);
    };
    send(QEvent::KeyPress, false);
    EXPECT_EQ(World().GetScore(), 1);                       // onto the near band
    QCursor::setPos(field->mapToGlobal(QPoint(300, 280)));  // over the first band again
    for (int i = 0; i < 5; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    EXPECT_EQ(World().GetScore(), 1);
    send(QEvent::KeyRelease, false);
    send(QEvent::KeyPress, false);  // a new press of the player's
    EXPECT_EQ(World().GetScore(), 2);
}

TEST_F(GuiInputTest, AShiftPressWithTheCursorOffTheFieldIsUsedUp) {
    gui->show();
    StartGameWithNear();
    QWidget* field = gui->centralWidget();
    for (const QPoint outside :
         {QPoint(50, -5), QPoint(400, 200), QPoint(-1, 200), QPoint(50, 300)}) {
        QCursor::setPos(field->mapToGlobal(outside));
        MainWindowProbe::FormKeyDown(*gui, Qt::Key_Shift);
        QCursor::setPos(field->mapToGlobal(QPoint(50, 200)));
        MainWindowProbe::FormKeyDown(*gui, Qt::Key_Shift);  // still the same press
        MainWindowProbe::FormKeyUp(*gui, Qt::Key_Shift);
    }
    EXPECT_EQ(World().GetScore(), 0);
}

TEST_F(GuiInputTest, ShiftDoesNothingOutsidePlay) {
    gui->show();
    QCursor::setPos(gui->centralWidget()->mapToGlobal(QPoint(50, 200)));
    MainWindowProbe::FormKeyDown(*gui, Qt::Key_Shift);
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Title);
}

TEST_F(GuiInputTest, F2NewRestartsAGameInProgress) {
    Action("Game_New_MItem")->trigger();
    MainWindowProbe::Tick(*gui);
    MainWindowProbe::Tick(*gui);
    EXPECT_EQ(BandTop(), 190);
    Action("Game_New_MItem")->trigger();
    EXPECT_EQ(BandTop(), 204);
    EXPECT_EQ(Action("Game_New_MItem")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(Action("Game_Options_MItem")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(Action("Help_Help_MItem")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(GuiInputTest, ThePopupMirrorsTheGameMenu) {
    Action("Game_New_MItem")->setEnabled(false);
    MainWindowProbe::PopupMenu1Popup(*gui);
    EXPECT_FALSE(Action("Popup_New_MItem")->isEnabled());
    EXPECT_TRUE(Action("Popup_Options_MItem")->isEnabled());
    Action("Game_New_MItem")->setEnabled(true);
    Action("Game_Options_MItem")->setEnabled(false);
    MainWindowProbe::PopupMenu1Popup(*gui);
    EXPECT_TRUE(Action("Popup_New_MItem")->isEnabled());
    EXPECT_FALSE(Action("Popup_Options_MItem")->isEnabled());

    Action("Popup_New_MItem")->trigger();
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Playing);
    ASSERT_EQ(MainWindowProbe::PopupMenu1(*gui)->actions().size(), 3);
    EXPECT_TRUE(MainWindowProbe::PopupMenu1(*gui)->actions()[1]->isSeparator());
}

TEST_F(GuiInputTest, HelpOpensThePageOnlyAfterOk) {
    const StandInViewer viewer(0);
    QString text;
    QString caption;
    WhileModal([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->button(QMessageBox::Cancel)->click();
    });
    Action("Help_Help_MItem")->trigger();
    EXPECT_EQ(caption, "Help");
    EXPECT_EQ(text, "Opening HTML help file.\n\nSure?");
    StandInViewer::AwaitEnd(*gui);
    EXPECT_TRUE(viewer.Handed().isEmpty());

    WhileModal([] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Ok)->click();
    });
    Action("Help_Help_MItem")->trigger();
    StandInViewer::AwaitEnd(*gui);
    EXPECT_EQ(QUrl::fromEncoded(viewer.Handed()),
              QUrl::fromLocalFile(QString::fromStdString(HelpPath)));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a page shown is not a failure";
}

// With no browser behind it, the viewer fails, and the player is told where the page is. The
// box comes once the viewer has ended, after the question has gone.
TEST_F(GuiInputTest, HelpThatNoBrowserTakesNamesThePage) {
    const StandInViewer viewer(3);
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhileModal([] {
        auto* sure = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(sure, nullptr);
        sure->button(QMessageBox::Ok)->click();
    });
    Action("Help_Help_MItem")->trigger();
    WhileModal([&] {
        if (const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
        }
    });
    StandInViewer::AwaitEnd(*gui);
    EXPECT_EQ(caption, "Help");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(text.endsWith(QString::fromStdString(HelpPath))) << text.toStdString();
}

TEST_F(GuiInputTest, TipsShowsTheInformationBox) {
    QString text;
    WhileModal([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        EXPECT_EQ(box->windowTitle(), "Tips");
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    });
    Action("Help_Tips_MItem")->trigger();
    EXPECT_EQ(text,
              "A new lumabel comes out when a cloud is clicked.\n\n"
              "[Shift] functions as left mouse click while playing the game.");
}

TEST_F(GuiInputTest, ExitClosesTheWindow) {
    gui->show();
    Action("Game_Exit_MItem")->trigger();
    EXPECT_FALSE(gui->isVisible());
}

TEST_F(GuiInputTest, MenusCarryTheirCaptionsInOrder) {
    const auto texts = [this](const char* menu) {
        QStringList out;
        for (QAction* a : gui->findChild<QMenu*>(menu)->actions()) {
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        return out;
    };
    EXPECT_EQ(texts("Game_MItem"), (QStringList{"&New", "-", "&Options", "-", "E&xit"}));
    EXPECT_EQ(texts("Help_MItem"), (QStringList{"&Help", "&Tips", "-", "&About"}));
    EXPECT_EQ(gui->findChild<QMenu*>("Game_MItem")->title(), "&Game");
    EXPECT_EQ(gui->findChild<QMenu*>("Help_MItem")->title(), "&Help");
}
