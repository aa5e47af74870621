#include <QMenu>
#include <QMessageBox>

#include "app/GuiFixture.h"
#include "engine/FieldLook.h"
#include "engine/Geometry.h"

using FieldLook::Sky;

using GuiStateTest = GuiFixture;

TEST_F(GuiStateTest, StartsOnTheTitleScreen) {
    EXPECT_EQ(TGuiProbe::State(*gui), TGui::stTitle);
    EXPECT_EQ(gui->windowTitle(), "Lumabels");
    EXPECT_EQ(Pixel(0, 0), Sky);
    EXPECT_EQ(Pixel(399, 299), Sky);
    EXPECT_EQ(TGuiProbe::ShiftCount(*gui), 0);
    EXPECT_EQ(World->GetLumabelCount(), 0);
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
    ASSERT_EQ(TGuiProbe::State(*gui), TGui::stPlaying);
    EXPECT_EQ(BandTop(), 204);
    for (int step = 1; step <= 70; ++step) {
        TGuiProbe::Tick(*gui);
    }
    EXPECT_EQ(TGuiProbe::State(*gui), TGui::stPlaying);
    TGuiProbe::Tick(*gui);
    EXPECT_EQ(TGuiProbe::State(*gui), TGui::stResults);
    EXPECT_TRUE(World->IsGameOver());
    TGuiProbe::Tick(*gui);  // the results stay
    EXPECT_EQ(TGuiProbe::State(*gui), TGui::stResults);
}

TEST_F(GuiStateTest, TheTickStepsOnlyWhilePlaying) {
    TGuiProbe::Tick(*gui);
    EXPECT_EQ(World->GetLumabelCount(), 0);
    Action("Game_New_MItem")->trigger();
    TGuiProbe::Tick(*gui);
    EXPECT_EQ(BandTop(), 197);
    for (TGui::GameState state : {TGui::stSuspended, TGui::stResults}) {
        TGuiProbe::SetState(*gui, state);
        TGuiProbe::Tick(*gui);
        EXPECT_EQ(BandTop(), 197);
    }
}

TEST_F(GuiStateTest, TheGameStandsStillWhileAMenuIsOpen) {
    Action("Game_New_MItem")->trigger();
    std::int32_t topInside = 0;
    WhileModal([&] {
        TGuiProbe::Tick(*gui);
        topInside = BandTop();
    });
    TGuiProbe::PopupMenu1(*gui)->exec(QPoint(10, 10));
    EXPECT_EQ(topInside, 204);
    TGuiProbe::Tick(*gui);
    EXPECT_EQ(BandTop(), 197);
}

TEST_F(GuiStateTest, TheGameStandsStillWhileAMessageBoxIsOpen) {
    Action("Game_New_MItem")->trigger();
    std::int32_t topInside = 0;
    bool sawModal = false;
    WhileModal([&] {
        sawModal = QApplication::activeModalWidget() != nullptr;
        QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);
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
    TGuiProbe::Tick(*gui);
    QMenu* gameMenu = gui->findChild<QMenu*>("Game_MItem");
    gameMenu->popup(QPoint(10, 10));
    heldTenSeconds();
    gameMenu->hide();
    settle();
    WhileModal(heldTenSeconds);
    TGuiProbe::PopupMenu1(*gui)->exec(QPoint(10, 10));
    settle();
    WhileModal(heldTenSeconds);
    Action("Help_Tips_MItem")->trigger();
    settle();
    gui->showMinimized();
    settle();
    ticks.now_ += 7777;
    for (int step = 0; step < 100 && TGuiProbe::State(*gui) == TGui::stPlaying; ++step) {
        TGuiProbe::Tick(*gui);
    }
    ASSERT_EQ(TGuiProbe::State(*gui), TGui::stResults);
    EXPECT_EQ(World->GetPlayTime(), 7770) << "cut to whole tens, the held time left out";
    EXPECT_EQ(World->GetRecordTime(), 7770);
}

TEST_F(GuiStateTest, TheLoopStepsOncePerTickMessageAndStopsInTheClosingState) {
    Action("Game_New_MItem")->trigger();
    QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);  // the constructor's
    EXPECT_EQ(BandTop(), 197);
    QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);  // the one it posted
    EXPECT_EQ(BandTop(), 190);
    TGuiProbe::SetState(*gui, TGui::stSuspended);
    TGuiProbe::SetState(*gui, TGui::stClosing);
    QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);
    // State 6 posts nothing more: another round finds the queue empty.
    TGuiProbe::SetState(*gui, TGui::stPlaying);
    const std::int32_t before = BandTop();
    QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);
    EXPECT_EQ(BandTop(), before);
}

TEST_F(GuiStateTest, ThePacingWaitEndsOnceTheIntervalHasPassedAcrossTheCounterWrap) {
    AppPlayOptions options;
    options.Interval = 50;
    ApplyPlayOptions(options);
    Action("Game_New_MItem")->trigger();  // only a game in play is paced
    LastTickTime = 0xFFFFFFF0U;
    ticks.Set(0xFFFFFFF0U, 5);  // five milliseconds per reading
    QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);
    const std::uint32_t waited = LastTickTime - 0xFFFFFFF0U;
    EXPECT_GE(waited, 50U);
    EXPECT_LE(waited, 60U);
}

TEST_F(GuiStateTest, ApplyingSystemOptionsClearsTheRecordOnceAndSetsStayOnTop) {
    World->SetRecords(12, 3400);
    AppSystemOptions options;
    options.ClearRecord = true;
    options.StayOnTop = true;
    options.RestorePosition = false;
    TGuiProbe::ApplySystemOptions(*gui, options);
    EXPECT_EQ(World->GetRecordScore(), 0);
    EXPECT_EQ(World->GetRecordTime(), 0);
    EXPECT_FALSE(TGuiProbe::CurrentSystemOptions(*gui).ClearRecord);
    EXPECT_FALSE(TGuiProbe::CurrentSystemOptions(*gui).RestorePosition);
    EXPECT_TRUE(gui->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    gui->show();
    gui->move(120, 80);
    const QPoint where = gui->pos();
    options.StayOnTop = false;
    options.ClearRecord = false;
    World->SetRecords(5, 50);
    TGuiProbe::ApplySystemOptions(*gui, options);
    EXPECT_FALSE(gui->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(gui->isVisible());
    EXPECT_EQ(gui->pos(), where);
    EXPECT_EQ(World->GetRecordScore(), 5);
}

TEST_F(GuiStateTest, AnExceptionInTheLoopIsShownAndTheLoopGoesOn) {
    Action("Game_New_MItem")->trigger();
    QString shown;
    WhileModal([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        shown = box != nullptr ? box->text() : QString();
    });
    ticks.failNext = true;  // the pacing wait's first reading throws
    QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);
    EXPECT_EQ(shown, "the clock failed");
    // The next tick message was posted all the same: the game keeps moving.
    const std::int32_t before = BandTop();
    EXPECT_LE(before, 197);
    QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);
    EXPECT_EQ(BandTop(), before - 7);
}

TEST_F(GuiStateTest, ClosingEndsThePacingWaitAtOnce) {
    AppPlayOptions slow;
    slow.Interval = 1000;
    ApplyPlayOptions(slow);
    gui->show();
    Action("Game_New_MItem")->trigger();
    LastTickTime = 5000;
    ticks.Set(5000, 1);  // one millisecond per reading: a full wait would take 1000 readings
    gui->close();
    QCoreApplication::sendPostedEvents(gui.get(), TGui::TickMessage);
    EXPECT_LT(LastTickTime - 5000U, 10U);
}
