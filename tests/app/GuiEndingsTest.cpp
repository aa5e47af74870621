#include <gmock/gmock.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/PreparedGuiFixture.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "support/LeakCheckSwitch.h"

namespace {
// Sends QGuiApplication::commitDataRequest as the session manager's save request does. No
// session manager can be made outside Qt, and the game's receiver does not look at it.
void RequestCommitData() {
    const QMetaObject& meta = QGuiApplication::staticMetaObject;
    const QMetaMethod wanted = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest);
    int local = 0;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        if (meta.method(i) == wanted) {
            void* arguments[] = {nullptr, nullptr};
            QMetaObject::activate(qApp, &meta, local, arguments);
            return;
        }
        if (meta.method(i).methodType() == QMetaMethod::Signal) {
            ++local;
        }
    }
    FAIL() << "no commitDataRequest signal";
}
}  // namespace

// How the game ends when the desktop, the display or another program ends it.
class GuiEndingsTest : public PreparedGuiFixture {
  protected:
    void PlayUntilGameOver() {
        Action("Game_New_MItem")->trigger();
        for (int step = 0; step < 200 && MainWindowProbe::State(*gui) == GameShell::Playing;
             ++step) {
            MainWindowProbe::Tick(*gui);
        }
        ASSERT_EQ(MainWindowProbe::State(*gui), GameShell::Results);
    }
};

TEST_F(GuiEndingsTest, TheKeptSettingsFollowTheWindowTheOptionsAndTheRecord) {
    StartWith("[Settings]\nOthers=4,500,30,40\n");
    EXPECT_EQ(MainWindowProbe::Kept(*gui).Latest().RecordScore, 4);
    EXPECT_EQ(MainWindowProbe::Kept(*gui).Latest().Left, 30);
    gui->show();
    gui->move(77, 66);
    QApplication::processEvents();
    EXPECT_EQ(MainWindowProbe::Kept(*gui).Latest().Left, 77);
    EXPECT_EQ(MainWindowProbe::Kept(*gui).Latest().Top, 66);

    QTimer::singleShot(0, [this] {
        options->findChild<QLineEdit*>("Play_Message_Edit")->setText("Over");
        options->findChild<QCheckBox*>("System_ClearRecord_CheckBox")
            ->setChecked(true);  // clear the record
        options->findChild<QPushButton*>("Ok_Button")->click();
    });
    Action("Game_Options_MItem")->trigger();
    EXPECT_EQ(MainWindowProbe::Kept(*gui).Latest().Play.Message, "Over");
    EXPECT_EQ(MainWindowProbe::Kept(*gui).Latest().RecordScore, 0);
    EXPECT_EQ(MainWindowProbe::Kept(*gui).Latest().RecordTime, 0);

    PlayUntilGameOver();
    EXPECT_GT(MainWindowProbe::Kept(*gui).Latest().RecordTime, 0);
    EXPECT_EQ(MainWindowProbe::Kept(*gui).Latest().RecordTime, World().GetRecordTime());
}

TEST_F(GuiEndingsTest, AGameThatSetsARecordWritesTheFileAtOnceAsTheCloseWould) {
    StartWith("; mine\n[Settings]\nPlayOptions=9,2,100,Results,1\nOthers=0,0,30,40\n");
    PlayUntilGameOver();
    const std::string written = Contents(SettingsFilePath());
    EXPECT_EQ(written.rfind("; mine\n[Settings]\n", 0), 0U);
    EXPECT_NE(written.find("Others=0," + std::to_string(World().GetRecordTime()) + ",30,40"),
              std::string::npos);
    TearDown();
    EXPECT_EQ(Contents(SettingsFilePath()), written);  // the close writes the very same bytes
}

TEST_F(GuiEndingsTest, AGameWithoutARecordLeavesTheFileAlone) {
    const std::string prepared = "[Settings]\nOthers=99,99999999,30,40\n";
    StartWith(prepared);
    PlayUntilGameOver();
    EXPECT_EQ(Contents(SettingsFilePath()), prepared);
}

TEST_F(GuiEndingsTest, TheSessionManagersCommitRequestSavesWhileTheGameGoesOn) {
    StartWith("[Settings]\nOthers=3,300,30,40\n");
    Action("Game_New_MItem")->trigger();
    MainWindowProbe::Tick(*gui);
    World().SetRecords(5, 700);
    RequestCommitData();
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Playing);
    EXPECT_EQ(Contents(SettingsFilePath()),
              "[Settings]\nOthers=5,700,30,40\nPlayOptions=9,2,100,Results,1\n"
              "SystemOptions=1,0,1,0\n");
}

TEST_F(GuiEndingsTest, TheSessionManagersQuitRequestClosesTheGameAsExitDoes) {
    // Qt's quit stops every event loop for the rest of the process, modal ones included: the
    // request is made in a child, which tells what it saw on stderr.
    GTEST_FLAG_SET(death_test_style, "fast");
    StartWith("[Settings]\nOthers=3,300,30,40\n");
    const auto quitRequest = [this] {
        gui->show();
        Action("Game_New_MItem")->trigger();
        bool dialogWasOpen = false;
        QTimer::singleShot(0, [&] {
            dialogWasOpen = options->isVisible();
            // What Qt makes of the session manager's "die": a quit event to the application.
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(qApp, &quit);
        });
        Action("Game_Options_MItem")->trigger();
        std::fprintf(stderr, "dialog was open %d, dialog open %d, window open %d\n",
                     dialogWasOpen ? 1 : 0, options->isVisible() ? 1 : 0, gui->isVisible() ? 1 : 0);
        World().SetRecords(6, 600);
        TearDown();
        TurnLeakCheckOff();
        std::exit(0);
    };
    EXPECT_EXIT(quitRequest(), testing::ExitedWithCode(0),
                "dialog was open 1, dialog open 0, window open 0");
    EXPECT_NE(Contents(SettingsFilePath()).find("Others=6,600,30,40"), std::string::npos);
}

TEST_F(GuiEndingsTest, ExitWithTheWindowStillOpenSavesTheKeptSettings) {
    // Qt's X11 plugin calls exit() when the display connection breaks; the window is never
    // taken down then. The test's process must go on, so the exit runs in a child.
    GTEST_FLAG_SET(death_test_style, "fast");
    StartWith("[Settings]\nOthers=3,300,30,40\n");
    const auto loseTheDisplay = [this] {
        World().SetRecords(8, 800);
        gui->show();
        gui->move(55, 44);
        QApplication::processEvents();
        TurnLeakCheckOff();
        std::exit(1);
    };
    EXPECT_EXIT(loseTheDisplay(), testing::ExitedWithCode(1), "the settings are saved in");
    EXPECT_EQ(Contents(SettingsFilePath()),
              "[Settings]\nOthers=8,800,55,44\nPlayOptions=9,2,100,Results,1\n"
              "SystemOptions=1,0,1,0\n");
}

TEST_F(GuiEndingsTest, AnExitAfterTheCloseWritesNothingMore) {
    GTEST_FLAG_SET(death_test_style, "fast");
    StartWith("[Settings]\nOthers=3,300,30,40\n");
    const auto closeThenExit = [this] {
        TearDown();
        std::ofstream(SettingsFilePath().toStdString(), std::ios::binary) << "changed since";
        TurnLeakCheckOff();
        std::exit(0);
    };
    EXPECT_EXIT(closeThenExit(), testing::ExitedWithCode(0),
                testing::Not(testing::HasSubstr("Lumabels:")));
    EXPECT_EQ(Contents(SettingsFilePath()), "changed since");
}
