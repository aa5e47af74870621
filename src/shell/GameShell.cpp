#include "shell/GameShell.h"

#include <algorithm>
#include <utility>

#include "engine/TickCounter.h"
#include "settings/CurrentPlayOptions.h"
#include "settings/SettingsFile.h"
#include "shell/ProgramGlobals.h"
#include "shell/ShellTexts.h"
#include "shell/Translator.h"

namespace {

constexpr std::int32_t ShiftCountLimit = 16;
// Wake-ups past 100 ms were seen to come back late, so a longer wait is taken in parts.
constexpr std::uint32_t LongestWait = 100;  // milliseconds

constexpr GameText HelpCaption = GAME_TEXT("MainWindow", "Help");
constexpr GameText HelpText = GAME_TEXT("MainWindow", "Opening HTML help file.\n\nSure?");
constexpr GameText HelpFailedText =
    GAME_TEXT("MainWindow",
              "No browser could be started to show the help page. You can open it "
              "yourself:\n\n%1");
constexpr GameText TipsCaption = GAME_TEXT("MainWindow", "Tips");
constexpr GameText TipsText =
    GAME_TEXT("MainWindow",
              "A new lumabel comes out when a cloud is clicked.\n\n"
              "[Shift] functions as left mouse click while playing the game.");
constexpr GameText TitleDescription =
    GAME_TEXT("MainWindow", "Title screen. Space, Enter or a click starts a game.");
constexpr GameText PlayingName = GAME_TEXT("MainWindow", "Playing, score %1");
constexpr GameText PlayingDescription = GAME_TEXT(
    "MainWindow", "Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.");
constexpr GameText NewRecordText = GAME_TEXT("MainWindow", "A new record!");
constexpr GameText ResultsDescription =
    GAME_TEXT("MainWindow", "Results screen. Space or Enter starts a new game.");

}  // namespace

GameShell::GameShell(ShellPort& port, const Translator& translator, const TickCounter& ticks,
                     RandomSource& random, NoteOutput& notes)
    : port_(port),
      translator_(translator),
      ticks_(ticks),
      playClock_(ticks),
      world_(WorldServices{CurrentPlayOptions, notes, random, playClock_}),
      kept_(SettingsPath) {}

GameShell::~GameShell() = default;

void GameShell::Start() {
    LoadSettings();
    SetState(Reset);
    Settle();
}

void GameShell::Shutdown() {
    SetState(Suspended);
    SetState(Closing);
    Settle();
    SaveSettings();
}

bool GameShell::Running() const {
    return state_ == Playing && holds_ == 0;
}

void GameShell::Settle() {
    // Held time never counts; a game on the title or results screen has no time to count.
    playClock_.SetRunning(holds_ == 0);
    const bool running = Running();
    if (soundWanted_ != running) {
        soundWanted_ = running;
        port_.WantSoundDevice(running);
    }
    if (!running) {
        // Nothing moves until the player acts: no wake-up at all, rather than one to find
        // that out.
        running_ = false;
        port_.ArmWakeUp(std::nullopt);
        return;
    }
    const std::uint32_t now = ticks_.Now();
    if (!std::exchange(running_, true)) {
        lastTickTime_ = now;
    }
    const auto interval = static_cast<std::uint32_t>(CurrentPlayOptions.Interval);
    const std::uint32_t elapsed = now - lastTickTime_;  // modulo 2^32
    port_.ArmWakeUp(elapsed >= interval ? 0U : std::min(interval - elapsed, LongestWait));
}

void GameShell::Wake() {
    try {
        if (Running()) {
            const std::uint32_t now = ticks_.Now();
            if (now - lastTickTime_ >= static_cast<std::uint32_t>(CurrentPlayOptions.Interval)) {
                lastTickTime_ = now;
                Tick();
            }
        }
    } catch (...) {
        // Whatever went wrong is the edition's to show; the game must go on regardless.
        Settle();
        throw;
    }
    Settle();
}

void GameShell::Hold() {
    ++holds_;
    Settle();
}

void GameShell::Release() {
    holds_ = std::max(0, holds_ - 1);
    Settle();
}

void GameShell::SetState(GameState state) {
    state_ = state;
    switch (state_) {
        case Reset:
            SetState(Title);
            return;
        case Title:
            port_.DrawTitle(true);
            break;
        case Playing:
            world_.NewGame();
            running_ = false;  // its first step a whole interval from now
            port_.DrawPlayfield(world_, true);
            break;
        case Results:
            port_.DrawResults(ResultTextsOf(world_, CurrentPlayOptions, translator_), true);
            break;
        default:
            break;
    }
    Announce();
}

void GameShell::Tick() {
    if (!Running()) {
        return;
    }
    world_.Step();
    port_.DrawPlayfield(world_, true);
    if (world_.IsGameOver()) {
        SetState(Results);
        SaveNewRecord();
    }
}

void GameShell::Redraw() {
    switch (state_) {
        case Playing:
            port_.DrawPlayfield(world_, false);
            break;
        case Results:
            port_.DrawPlayfield(world_, false);
            port_.DrawResults(ResultTextsOf(world_, CurrentPlayOptions, translator_), false);
            break;
        default:
            port_.DrawTitle(false);
            break;
    }
}

void GameShell::Announce() {
    // A screen reader cannot see the picture: the field names what it shows.
    switch (state_) {
        case Title:
            port_.Announce(TitleText, translator_.Translate(TitleDescription), false);
            break;
        case Playing:
            port_.Announce(
                FillText(translator_.Translate(PlayingName), {std::to_string(world_.GetScore())}),
                translator_.Translate(PlayingDescription), false);
            break;
        case Results: {
            const ResultTexts lines = ResultTextsOf(world_, CurrentPlayOptions, translator_);
            std::string name = lines[0] + '\n' + lines[2] + '\n' + lines[4];
            if (GameSetRecord()) {
                name += '\n' + translator_.Translate(NewRecordText);
            }
            port_.Announce(name, translator_.Translate(ResultsDescription), true);
            break;
        }
        default:
            break;
    }
}

void GameShell::KeyDown(Key key) {
    if (key == Key::Shift && shiftCount_ < ShiftCountLimit) {
        ++shiftCount_;  // auto-repeat counts too, so only the first key-down of a press clicks
    }
    if (state_ == Title || state_ == Results) {
        if (key == Key::Space || key == Key::Enter) {
            port_.ActivateNewItem();
        }
    } else if (state_ == Playing && key == Key::Shift && shiftCount_ == 1) {
        ShiftClick();
    }
    Settle();
}

void GameShell::KeyUp(Key key) {
    if (key == Key::Shift) {
        shiftCount_ = 0;
    }
}

void GameShell::ShiftClick() {
    if (const std::optional<FieldPoint> at = port_.PointerInField()) {
        Click(at->X, at->Y);
    }  // else the press is used up
}

void GameShell::MouseDown(Button button, std::int32_t x, std::int32_t y) {
    if (button != Button::Left) {
        return;
    }
    if (state_ == Title) {
        port_.ActivateNewItem();
    } else if (state_ == Playing) {
        Click(x, y);
    }
    Settle();
}

void GameShell::Click(std::int32_t x, std::int32_t y) {
    const std::int32_t score = world_.GetScore();
    world_.Click(x, y);
    if (world_.GetScore() != score) {
        Announce();
    }
}

void GameShell::NewGame() {
    SetState(Playing);
    Settle();
}

void GameShell::Options() {
    Hold();
    std::optional<OptionRecords> chosen;
    try {
        chosen = port_.RunOptionsDialog(OptionRecords{CurrentPlayOptions, currentSystemOptions_});
    } catch (...) {
        Release();
        throw;
    }
    --holds_;  // settled below, once the state is the one that follows the dialog
    // Cancel changes nothing, and a game in progress carries on where it stood.
    if (chosen) {
        SetState(Suspended);
        ApplyPlayOptions(chosen->Play);
        ApplySystemOptions(chosen->System);
        SetState(Reset);
        KeepSettings();
    }
    Settle();
}

void GameShell::ApplySystemOptions(AppSystemOptions options) {
    currentSystemOptions_ = options;
    if (currentSystemOptions_.ClearRecord) {
        world_.SetRecords(0, 0);
        currentSystemOptions_.ClearRecord = false;
    }
    port_.SetStaysOnTop(currentSystemOptions_.StayOnTop);
}

bool GameShell::Tell(MessageId id, const std::string& caption, const std::string& text) {
    Hold();
    bool ok = false;
    try {
        ok = port_.ShowMessage(id, caption, text);
    } catch (...) {
        Release();
        throw;
    }
    Release();
    return ok;
}

void GameShell::Help() {
    if (Tell(MessageId::HelpQuestion, translator_.Translate(HelpCaption),
             translator_.Translate(HelpText))) {
        port_.OpenHelpPage();
    }
}

void GameShell::HelpFailed(const std::string& page) {
    if (state_ == Closing) {
        return;
    }
    // No browser took the page: the player can still open it by its path.
    Tell(MessageId::HelpFailed, translator_.Translate(HelpCaption),
         FillText(translator_.Translate(HelpFailedText), {page}));
}

void GameShell::Tips() {
    Tell(MessageId::Tips, translator_.Translate(TipsCaption), translator_.Translate(TipsText));
}

void GameShell::About() {
    Hold();
    try {
        port_.ShowAbout();
    } catch (...) {
        Release();
        throw;
    }
    Release();
}

void GameShell::LoadSettings() {
    const WindowPosition now = port_.CurrentPosition();
    const StoredSettings stored =
        SettingsFile::ReadOrFallback(SettingsPath, SettingsFallbackPath, now.Left, now.Top);
    ApplyPlayOptions(stored.Play);
    ApplySystemOptions(stored.System);
    if (currentSystemOptions_.RestoreRecord) {
        world_.SetRecords(stored.RecordScore, stored.RecordTime);
    }
    // Any stored position is taken, 0, 0 included; without one the window system places it.
    port_.TakeStoredPosition(WindowPosition{stored.Left, stored.Top},
                             currentSystemOptions_.RestorePosition && stored.PositionStored);
    KeepSettings();
}

StoredSettings GameShell::CurrentSettings() const {
    StoredSettings stored;
    stored.Play = CurrentPlayOptions;
    stored.System = currentSystemOptions_;
    stored.RecordScore = world_.GetRecordScore();
    stored.RecordTime = world_.GetRecordTime();
    const WindowPosition position = port_.CurrentPosition();
    stored.Left = position.Left;
    stored.Top = position.Top;
    return stored;
}

void GameShell::KeepSettings() {
    kept_.Keep(CurrentSettings());
}

void GameShell::SaveSettings() {
    KeepSettings();
    const WriteOutcome outcome = kept_.Write();
    if (!outcome) {
        // A failed save changes nothing on disk; the player learns where and why.
        Tell(MessageId::SaveFailed, TitleText,
             NotSavedLine(kept_.Path(), outcome.Problem(), translator_));
    }
}

bool GameShell::GameSetRecord() const {
    // The kept settings hold the records as they were before the game: they are kept afresh
    // whenever the records change, and a game's end is kept by SaveNewRecord, after this.
    const StoredSettings& kept = kept_.Latest();
    return world_.GetRecordScore() != kept.RecordScore || world_.GetRecordTime() != kept.RecordTime;
}

void GameShell::SaveNewRecord() {
    // Written at once, so that even a power cut keeps the record; the file is the one a
    // close at this moment would write. A failure here is said by the save at the close.
    if (GameSetRecord()) {
        KeepSettings();
        static_cast<void>(kept_.Write());
    }
}
