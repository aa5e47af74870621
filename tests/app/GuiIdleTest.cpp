#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <chrono>

#include "app/GuiFixture.h"
#include "support/AppSoundProbe.h"

// The window arms no wake-up whenever nothing on screen can change: on the title and results
// screens and while a menu or a dialog holds the game.
class GuiIdleTest : public GuiFixture {
  protected:
    void SetUp() override {
        SoundDir = LUMABELS_NOTE_DIR;
        GuiFixture::SetUp();
    }
    void TearDown() override {
        GuiFixture::TearDown();
        SoundDir = savedSoundDir_;
    }

    // Hands the window every event that is due, and tells whether it will wake the game.
    bool LoopRan() {
        QCoreApplication::processEvents();
        HandleTick();
        QCoreApplication::processEvents();
        return MainWindowProbe::WakeUpArmed(*gui);
    }

    const std::string savedSoundDir_ = SoundDir;

    QMenu* GameMenu() const { return gui->findChild<QMenu*>("Game_MItem"); }

    // The device is given back a short while after the last note: await it, by the game's
    // own timer, with room for a slow machine.
    static bool AwaitDeviceClosed() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (AppSoundProbe::IsDeviceOpen(*NotePlayer) &&
               std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        }
        return !AppSoundProbe::IsDeviceOpen(*NotePlayer);
    }
};

TEST_F(GuiIdleTest, TheTitleScreenLeavesTheLoopAsleepUntilAGameStarts) {
    HandleTick();  // the constructor's
    EXPECT_FALSE(LoopRan()) << "the loop went on running on the title screen";
    EXPECT_FALSE(LoopRan());

    Action("Game_New_MItem")->trigger();
    EXPECT_EQ(BandTop(), 204);
    HandleTick();
    EXPECT_EQ(BandTop(), 197);
    HandleTick();
    EXPECT_EQ(BandTop(), 190) << "the game stopped";
}

TEST_F(GuiIdleTest, WhileTheLoopSleepsAPaintShowsTheBackBuffer) {
    gui->show();
    HandleTick();
    ASSERT_FALSE(LoopRan());
    const QImage shown =
        gui->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, MainWindowProbe::BackBuffer(*gui).convertToFormat(QImage::Format_RGB32))
        << "the field did not repaint the title from the back buffer";
}

TEST_F(GuiIdleTest, AMinimisedGameGoesOnStepping) {
    gui->show();
    Action("Game_New_MItem")->trigger();
    HandleTick();
    ASSERT_EQ(BandTop(), 197);
    gui->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(LoopRan()) << "a minimised game stopped";
    EXPECT_LT(BandTop(), 197);
}

TEST_F(GuiIdleTest, TheResultsScreenLeavesTheLoopAsleep) {
    Action("Game_New_MItem")->trigger();
    for (int pass = 0; pass < 100 && MainWindowProbe::State(*gui) == GameShell::Playing; ++pass) {
        HandleTick();
    }
    ASSERT_EQ(MainWindowProbe::State(*gui), GameShell::Results);
    EXPECT_FALSE(LoopRan()) << "the loop went on running on the results screen";
    // Space starts the next game from there, and the loop with it.
    MainWindowProbe::FormKeyDown(*gui, Qt::Key_Space);
    ASSERT_EQ(MainWindowProbe::State(*gui), GameShell::Playing);
    EXPECT_TRUE(LoopRan());
}

TEST_F(GuiIdleTest, AnOpenMenuHoldsTheGameWithTheLoopAsleepUntilItCloses) {
    Action("Game_New_MItem")->trigger();
    HandleTick();
    ASSERT_EQ(BandTop(), 197);
    GameMenu()->popup(QPoint(10, 10));
    ASSERT_EQ(QApplication::activePopupWidget(), GameMenu());
    MainWindowProbe::Wake(*gui);  // one already under way when the menu opened: no step
    EXPECT_FALSE(LoopRan()) << "the game kept waking while the menu was open";
    EXPECT_EQ(BandTop(), 197);

    GameMenu()->hide();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    HandleTick();
    EXPECT_EQ(BandTop(), 190) << "the game did not go on once the menu closed";
}

TEST_F(GuiIdleTest, ADialogOpenedFromAMenuHoldsTheGameUntilItCloses) {
    Action("Game_New_MItem")->trigger();
    HandleTick();
    GameMenu()->popup(QPoint(10, 10));
    HandleTick();
    GameMenu()->hide();
    bool ranInside = true;
    WhileModal([&] { ranInside = LoopRan(); });
    // Chosen from the menu: the menu closes and the box opens at once.
    Action("Help_Tips_MItem")->trigger();
    EXPECT_FALSE(ranInside) << "the loop ran while the message box was open";
    EXPECT_EQ(BandTop(), 197);
    QCoreApplication::processEvents();
    HandleTick();
    EXPECT_EQ(BandTop(), 190) << "the game did not go on once the box closed";
}

TEST_F(GuiIdleTest, TheSoundDeviceIsHeldOnlyWhileTheGameIsPlayed) {
    ASSERT_TRUE(AppSoundProbe::HasSound(*NotePlayer));
    HandleTick();
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(*NotePlayer))
        << "the title screen opened the sound device";

    Action("Game_New_MItem")->trigger();
    EXPECT_TRUE(NotePlayer->IsHeld());
    ASSERT_TRUE(AppSoundProbe::AwaitDevice(*NotePlayer, std::chrono::seconds(20)));
    EXPECT_TRUE(AppSoundProbe::IsDeviceOpen(*NotePlayer))
        << "a game began without its sound device";

    GameMenu()->popup(QPoint(10, 10));
    HandleTick();
    EXPECT_FALSE(NotePlayer->IsHeld()) << "a game held by a menu kept the device";
    GameMenu()->hide();
    QCoreApplication::processEvents();
    EXPECT_TRUE(NotePlayer->IsHeld());
    EXPECT_TRUE(AppSoundProbe::IsDeviceOpen(*NotePlayer));

    for (int pass = 0; pass < 200 && MainWindowProbe::State(*gui) == GameShell::Playing; ++pass) {
        HandleTick();
    }
    ASSERT_EQ(MainWindowProbe::State(*gui), GameShell::Results);
    EXPECT_FALSE(NotePlayer->IsHeld());
    EXPECT_TRUE(AwaitDeviceClosed()) << "the results screen kept the sound device open";
}

TEST_F(GuiIdleTest, WithSoundOffNoDeviceOpensForPlay) {
    AppPlayOptions quiet;
    quiet.SoundOn = false;
    ApplyPlayOptions(quiet);
    Action("Game_New_MItem")->trigger();
    ASSERT_TRUE(AppSoundProbe::AwaitDevice(*NotePlayer, std::chrono::seconds(20)));
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(*NotePlayer));
}
