#include <tuple>

#include "shell/ShellFixture.h"

namespace {

using GameShellTest = ShellFixture;

// How a game is held for twelve seconds: by one of the edition's menus, or by a box or dialog
// the game itself opens.
enum class HeldBy { Menu, Tips, About, CancelledOptions };

class HeldTimeTest : public ShellFixture, public ::testing::WithParamInterface<HeldBy> {
  protected:
    // Plays a game of the fixture's seed to its end, held once after `before` ms of play.
    std::int32_t PlayHeldAfter(std::uint32_t before, std::optional<HeldBy> held) {
        random.Seed(7);
        shell->NewGame();
        RunFor(before);
        const auto twelveSeconds = [this] { ticks.Set(ticks.Now() + 12000); };
        port.duringModal = twelveSeconds;
        if (held == HeldBy::Menu) {
            shell->Hold();
            EXPECT_FALSE(port.wake) << "a held game asks for no wake-up";
            twelveSeconds();
            shell->Release();
        } else if (held == HeldBy::Tips) {
            shell->Tips();
        } else if (held == HeldBy::About) {
            shell->About();
        } else if (held == HeldBy::CancelledOptions) {
            shell->Options();
        }
        EXPECT_EQ(State(), GameShell::Playing);
        RunFor(60000);
        EXPECT_EQ(State(), GameShell::Results);
        return World().GetPlayTime();
    }
};

// The record a held game leaves is the one the same game left alone would leave.
TEST_P(HeldTimeTest, TimeHeldNeverCountsAndTheRecordIsUnharmed) {
    Start();
    const std::int32_t alone = PlayHeldAfter(1500, std::nullopt);
    const std::int32_t record = World().GetRecordTime();
    const std::int32_t held = PlayHeldAfter(1500, GetParam());
    EXPECT_GT(alone, 1500);
    EXPECT_EQ(held, alone);
    EXPECT_EQ(World().GetRecordTime(), record);
}

INSTANTIATE_TEST_SUITE_P(EveryHold, HeldTimeTest,
                         ::testing::Values(HeldBy::Menu, HeldBy::Tips, HeldBy::About,
                                           HeldBy::CancelledOptions));

// The game asks to be woken a whole interval after it starts or comes back from a hold, steps
// once per interval across the counter's wrap, and asks for nothing while nothing can move.
TEST_F(GameShellTest, StepsAreDueOneIntervalApartAndNothingIsArmedWhileNothingMoves) {
    ticks.Set(0xFFFFFF00U);
    Start();
    AppPlayOptions options;
    options.Interval = 250;
    ApplyPlayOptions(options);
    EXPECT_FALSE(port.wake) << "the title waits for the player";
    shell->NewGame();
    EXPECT_EQ(port.wake, 100U) << "a long wait is taken in parts";
    ticks.Set(0xFFFFFF00U + 100);
    shell->Wake();
    EXPECT_EQ(port.wake, 100U);
    EXPECT_EQ(port.drawn.size(), 2U) << "no step before its time";
    ticks.Set(0xFFFFFF00U + 250);  // past the wrap
    shell->Wake();
    EXPECT_EQ(port.drawn.back(), "field");
    EXPECT_EQ(port.drawn.size(), 3U);
    EXPECT_EQ(port.wake, 100U);
    EXPECT_TRUE(port.soundWanted);
    shell->Hold();
    EXPECT_FALSE(port.wake);
    EXPECT_FALSE(port.soundWanted);
    ticks.Set(ticks.Now() + 5000);
    shell->Release();
    EXPECT_EQ(port.wake, 100U) << "a whole interval after the hold";
    shell->Shutdown();
    EXPECT_FALSE(port.wake);
    shell->Wake();
    EXPECT_EQ(port.drawn.size(), 3U) << "a late wake-up finds the game closed";
}

// Space, Enter and a left click start a game from the title through the New item; Shift clicks
// at the pointer once a press, and a press with the pointer off the field is used up.
TEST_F(GameShellTest, InputReachesTheGameAsItsActions) {
    Start();
    int activations = 0;
    port.newItem = [&] { ++activations; };
    shell->MouseDown(GameShell::Button::Other, 10, 10);
    shell->KeyDown(GameShell::Key::Other);
    EXPECT_EQ(activations, 0);
    shell->KeyDown(GameShell::Key::Space);
    shell->KeyDown(GameShell::Key::Enter);
    shell->MouseDown(GameShell::Button::Left, 10, 10);
    EXPECT_EQ(activations, 3);
    EXPECT_EQ(State(), GameShell::Title) << "a disabled New item starts nothing";

    shell->NewGame();
    Band band;
    World().GetLumabel(0, band);
    const std::int32_t score = World().GetScore();
    port.pointer = std::nullopt;
    shell->KeyDown(GameShell::Key::Shift);
    port.pointer = FieldPoint{band.Rect.Left + 1, band.Rect.Top + 1};
    shell->KeyDown(GameShell::Key::Shift);  // the same press, repeating
    EXPECT_EQ(World().GetScore(), score);
    for (int repeat = 0; repeat < 20; ++repeat) {
        shell->KeyDown(GameShell::Key::Shift);
    }
    EXPECT_EQ(GameShellProbe::ShiftCount(*shell), 16);
    shell->KeyUp(GameShell::Key::Shift);
    EXPECT_EQ(GameShellProbe::ShiftCount(*shell), 0);
}

// OK applies the records clamped, clears the record once and shows the title; Cancel leaves a
// game in progress where it stood.
TEST_F(GameShellTest, OptionsOkAppliesAndShowsTheTitleCancelChangesNothing) {
    Start();
    World().SetRecords(12, 3400);
    shell->NewGame();
    port.chosen = std::nullopt;
    shell->Options();
    EXPECT_EQ(State(), GameShell::Playing);
    EXPECT_EQ(World().GetRecordScore(), 12);

    OptionRecords chosen{AppPlayOptions{}, AppSystemOptions{}};
    chosen.Play.NumLumabels = 99;
    chosen.System.ClearRecord = true;
    chosen.System.StayOnTop = true;
    port.chosen = chosen;
    shell->Options();
    EXPECT_EQ(State(), GameShell::Title);
    EXPECT_EQ(CurrentPlayOptions.NumLumabels, AppPlayOptions::MaxNumLumabels);
    EXPECT_EQ(World().GetRecordScore(), 0);
    EXPECT_FALSE(GameShellProbe::CurrentSystemOptions(*shell).ClearRecord);
    EXPECT_TRUE(port.staysOnTop);
    EXPECT_FALSE(port.wake);
    ASSERT_TRUE(port.offered);
    EXPECT_EQ(port.offered->Play.NumLumabels, AppPlayOptions::DefaultNumLumabels);
    EXPECT_EQ(shell->Kept().Latest().Play.NumLumabels, AppPlayOptions::MaxNumLumabels);
}

// A game that sets a record writes the file at once; a save that fails is told with the file's
// place and the reason.
TEST_F(GameShellTest, ARecordIsSavedAtOnceAndAFailedSaveIsTold) {
    Start();
    shell->NewGame();
    RunFor(60000);
    ASSERT_EQ(State(), GameShell::Results);
    EXPECT_NE(TempFolder::Contents(SettingsPath).find("Others="), std::string::npos);
    EXPECT_EQ(port.results[0], "Results");
    EXPECT_NE(port.announced.find("A new record!"), std::string::npos);
    EXPECT_TRUE(port.messages.empty());

    SettingsPath = folder.File("a-folder");
    std::filesystem::create_directory(SettingsPath);
    shell.reset();
    Start();
    shell->SaveSettings();
    ASSERT_EQ(port.messages.size(), 1U);
    EXPECT_EQ(port.messages[0].Id, MessageId::SaveFailed);
    EXPECT_NE(port.messages[0].Text.find(SettingsPath), std::string::npos);
}

// Help opens the page only after OK; a page no browser took is named to the player, unless the
// game is closing.
TEST_F(GameShellTest, HelpAsksFirstAndTellsWhenThePageCannotBeShown) {
    Start();
    port.answerOk = false;
    shell->Help();
    EXPECT_EQ(port.helpOpened, 0);
    port.answerOk = true;
    shell->Help();
    EXPECT_EQ(port.helpOpened, 1);
    shell->HelpFailed("/games/help/index.html");
    ASSERT_EQ(port.messages.size(), 3U);
    EXPECT_EQ(port.messages[2].Id, MessageId::HelpFailed);
    EXPECT_NE(port.messages[2].Text.find("/games/help/index.html"), std::string::npos);
    shell->Shutdown();
    shell->HelpFailed("/games/help/index.html");
    EXPECT_EQ(port.messages.size(), 3U);
}

}  // namespace
