#pragma once

#include <cstdint>
#include <optional>

#include "engine/PlayClock.h"
#include "engine/World.h"
#include "settings/AppSystemOptions.h"
#include "settings/KeptSettings.h"
#include "shell/ShellPort.h"

class NoteOutput;
class RandomSource;
class TickCounter;
class Translator;

// The game as the player meets it, whatever window system shows it: the screens and their
// changes, the steps and when the next is due, the hold while a menu or a box is open, the
// input, the commands, the settings and the record. Each edition is a face over it: it draws
// what this asks for, wakes it when it asked to be woken, and hands it what the player did.
class GameShell {
  public:
    enum GameState : std::uint8_t {
        Reset = 1,
        Title = 2,
        Playing = 3,
        Results = 4,
        Suspended = 5,
        Closing = 6,
    };
    enum class Key { Space, Enter, Shift, Other };
    enum class Button { Left, Other };

    // Makes the world, its time read from a clock that stops while the game is held. Nothing
    // is asked of the port before Start.
    GameShell(ShellPort& port, const Translator& translator, const TickCounter& ticks,
              RandomSource& random, NoteOutput& notes);
    GameShell(const GameShell&) = delete;
    GameShell& operator=(const GameShell&) = delete;
    ~GameShell();

    // Loads the settings and shows the title screen.
    void Start();
    // Leaves the game for good and makes the closing save; a wake-up after it does nothing.
    void Shutdown();
    // The wake-up the port armed has come.
    void Wake();

    // A menu, popup, box or dialog of the edition's own opens or closes: while any is open the
    // game stands still and its time does not count. Every Hold is matched by one Release.
    void Hold();
    void Release();

    void KeyDown(Key key);
    void KeyUp(Key key);
    void MouseDown(Button button, std::int32_t x, std::int32_t y);
    void NewGame();
    void Options();
    void Help();
    void Tips();
    void About();
    // The desktop could not show the help page at `page`.
    void HelpFailed(const std::string& page);
    // Draws again what is on show, without presenting it (a new back buffer).
    void Redraw();
    // The window moved, or anything else a save would write changed.
    void KeepSettings();
    // Writes the settings now; the player is told when that fails.
    void SaveSettings();

    // What the edition's save at an abrupt end writes.
    KeptSettings& Kept() { return kept_; }

  private:
    friend struct GameShellProbe;  // lets tests reach the states, the loop's step and the world

    void SetState(GameState state);
    void Tick();
    void Settle();
    bool Running() const;
    void ApplySystemOptions(AppSystemOptions options);
    void LoadSettings();
    StoredSettings CurrentSettings() const;
    bool GameSetRecord() const;
    void SaveNewRecord();
    void ShiftClick();
    void Click(std::int32_t x, std::int32_t y);
    void Announce();
    bool Tell(MessageId id, const std::string& caption, const std::string& text);

    ShellPort& port_;
    const Translator& translator_;
    const TickCounter& ticks_;
    PlayClock playClock_;  // the world's clock
    World world_;
    KeptSettings kept_;
    GameState state_{};  // 0, no state, until Start
    AppSystemOptions currentSystemOptions_;
    std::int32_t shiftCount_ = 0;
    int holds_ = 0;
    std::uint32_t lastTickTime_ = 0;  // the tick-counter reading at which the last wait ended
    // Whether steps were due at the last settling: a game that starts or comes back from a
    // hold takes its first step a whole interval later, as every other step.
    bool running_ = false;
    std::optional<bool> soundWanted_;
};
