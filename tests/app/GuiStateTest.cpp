#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <chrono>

#include "app/GuiFixture.h"
#include "engine/FieldLook.h"
#include "engine/Geometry.h"

using FieldLook::Sky;

using GuiStateTest = GuiFixture;

TEST_F(GuiStateTest, StartsOnTheTitleScreen) {
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Title);
    EXPECT_EQ(gui->windowTitle(), "Lumabels");
    EXPECT_EQ(Pixel(0, 0), Sky);
    EXPECT_EQ(Pixel(399, 299), Sky);
    EXPECT_EQ(MainWindowProbe::ShiftCount(*gui), 0);
    EXPECT_EQ(World().GetLumabelCount(), 0);
}

TEST_F(GuiStateTest, TheWindowIsAFixed400By300FieldUnderTheMenuBar) {
    const QWidget* field = gui->centralWidget();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->size(), QSize(400, 300));
    EXPECT_EQ(gui->minimumSize(), gui->maximumSize());
    EXPECT_FALSE(gui->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(gui->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(GuiStateTest, NewPlaysUntilGameOverThenShowsResults) {
    Action("Game_New_MItem")->trigger();
    ASSERT_EQ(MainWindowProbe::State(*gui), GameShell::Playing);
    EXPECT_EQ(BandTop(), 204);
    for (int step = 1; step <= 70; ++step) {
        MainWindowProbe::Tick(*gui);
    }
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Playing);
    MainWindowProbe::Tick(*gui);
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Results);
    EXPECT_TRUE(World().IsGameOver());
    MainWindowProbe::Tick(*gui);  // the results stay
    EXPECT_EQ(MainWindowProbe::State(*gui), GameShell::Results);
}

TEST_F(GuiStateTest, TheTickStepsOnlyWhilePlaying) {
    MainWindowProbe::Tick(*gui);
    EXPECT_EQ(World().GetLumabelCount(), 0);
    Action("Game_New_MItem")->trigger();
    MainWindowProbe::Tick(*gui);
    EXPECT_EQ(BandTop(), 197);
    for (GameShell::GameState state : {GameShell::Suspended, GameShell::Results}) {
        MainWindowProbe::SetState(*gui, state);
        MainWindowProbe::Tick(*gui);
        EXPECT_EQ(BandTop(), 197);
    }
}

TEST_F(GuiStateTest, TheGameStandsStillWhileAMenuIsOpen) {
    Action("Game_New_MItem")->trigger();
    std::int32_t topInside = 0;
    WhileModal([&] {
        MainWindowProbe::Tick(*gui);
        topInside = BandTop();
    });
    MainWindowProbe::PopupMenu1(*gui)->exec(QPoint(10, 10));
    EXPECT_EQ(topInside, 204);
    MainWindowProbe::Tick(*gui);
    EXPECT_EQ(BandTop(), 197);
}

TEST_F(GuiStateTest, TheGameStandsStillWhileAMessageBoxIsOpen) {
    Action("Game_New_MItem")->trigger();
    std::int32_t topInside = 0;
    bool sawModal = false;
    WhileModal([&] {
        sawModal = QApplication::activeModalWidget() != nullptr;
        HandleTick();
        topInside = BandTop();
    });
    Action("Help_Tips_MItem")->trigger();
    EXPECT_TRUE(sawModal);
    EXPECT_EQ(topInside, 204);
}

// A game's time is the time it ran: 10 s under the Game menu, 10 s under the popup and 10 s
// in a message box are left out; a minimised game runs on, and its time counts. The clock
// moves only when the test moves it, so the test steps the game itself and hands the window
// only its queued calls, never a tick message, whose pacing wait would never end.
TEST_F(GuiStateTest, TimeHeldByAMenuOrABoxIsLeftOutOfTheGameTime) {
    const auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); };
    const auto heldTenSeconds = [&] {
        settle();
        ticks.now_ += 10000;
    };
    ticks.Set(1000, 0);
    Action("Game_New_MItem")->trigger();
    MainWindowProbe::Tick(*gui);
    QMenu* gameMenu = gui->findChild<QMenu*>("Game_MItem");
    gameMenu->popup(QPoint(10, 10));
    heldTenSeconds();
    gameMenu->hide();
    settle();
    WhileModal(heldTenSeconds);
    MainWindowProbe::PopupMenu1(*gui)->exec(QPoint(10, 10));
    settle();
    WhileModal(heldTenSeconds);
    Action("Help_Tips_MItem")->trigger();
    settle();
    gui->showMinimized();
    settle();
    ticks.now_ += 7777;
    for (int step = 0; step < 100 && MainWindowProbe::State(*gui) == GameShell::Playing; ++step) {
        MainWindowProbe::Tick(*gui);
    }
    ASSERT_EQ(MainWindowProbe::State(*gui), GameShell::Results);
    EXPECT_EQ(World().GetPlayTime(), 7770) << "cut to whole tens, the held time left out";
    EXPECT_EQ(World().GetRecordTime(), 7770);
}

// The window's timer waits exactly as long as the game asks, and no longer runs once the
// window is closing.
TEST_F(GuiStateTest, TheWakeUpIsTheOneTheGameAsksForAndEndsWithTheClose) {
    AppPlayOptions options;
    options.Interval = 40;
    ApplyPlayOptions(options);
    ticks.Set(5000, 0);
    gui->show();
    EXPECT_FALSE(MainWindowProbe::WakeUpArmed(*gui));
    Action("Game_New_MItem")->trigger();
    ASSERT_TRUE(MainWindowProbe::WakeUpArmed(*gui));
    EXPECT_EQ(MainWindowProbe::WakeUpInterval(*gui), 40);
    ticks.Set(5030, 0);
    MainWindowProbe::Wake(*gui);
    EXPECT_EQ(BandTop(), 204) << "a step before its time";
    EXPECT_EQ(MainWindowProbe::WakeUpInterval(*gui), 10);
    ticks.Set(5040, 0);
    MainWindowProbe::Wake(*gui);
    EXPECT_EQ(BandTop(), 197);
    gui->close();
    EXPECT_FALSE(MainWindowProbe::WakeUpArmed(*gui));
}

TEST_F(GuiStateTest, ApplyingSystemOptionsClearsTheRecordOnceAndSetsStayOnTop) {
    World().SetRecords(12, 3400);
    AppSystemOptions options;
    options.ClearRecord = true;
    options.StayOnTop = true;
    options.RestorePosition = false;
    MainWindowProbe::ApplySystemOptions(*gui, options);
    EXPECT_EQ(World().GetRecordScore(), 0);
    EXPECT_EQ(World().GetRecordTime(), 0);
    EXPECT_FALSE(MainWindowProbe::CurrentSystemOptions(*gui).ClearRecord);
    EXPECT_FALSE(MainWindowProbe::CurrentSystemOptions(*gui).RestorePosition);
    EXPECT_TRUE(gui->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    gui->show();
    gui->move(120, 80);
    const QPoint where = gui->pos();
    options.StayOnTop = false;
    options.ClearRecord = false;
    World().SetRecords(5, 50);
    MainWindowProbe::ApplySystemOptions(*gui, options);
    EXPECT_FALSE(gui->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(gui->isVisible());
    EXPECT_EQ(gui->pos(), where);
    EXPECT_EQ(World().GetRecordScore(), 5);
}

TEST_F(GuiStateTest, AnExceptionInTheLoopIsShownAndTheLoopGoesOn) {
    Action("Game_New_MItem")->trigger();
    QString shown;
    QTimer closer;  // closes the box the application shows, once it is there
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->close();
        }
    });
    closer.start(10);
    ticks.failNext = true;  // the wake-up's first reading throws
    // Brought by the window's own timer, so the application shows what escapes it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (shown.isEmpty() && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    closer.stop();
    QCoreApplication::processEvents();  // the box's going lets the game go on
    EXPECT_EQ(shown, "the clock failed");
    // The next wake-up was armed all the same: the game keeps moving.
    EXPECT_TRUE(MainWindowProbe::WakeUpArmed(*gui));
    const std::int32_t before = BandTop();
    HandleTick();
    EXPECT_EQ(BandTop(), before - 7);
}
