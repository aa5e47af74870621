#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "settings/AppPlayOptions.h"
#include "settings/AppSystemOptions.h"

class World;

// The five lines of the results block, in the player's language.
using ResultTexts = std::array<std::string, 5>;

// The two records the Options dialog edits, in and out as a whole.
struct OptionRecords {
    AppPlayOptions Play;
    AppSystemOptions System;
};

// A point of the 400 x 300 field, in field pixels.
struct FieldPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// The main window's outer top-left corner, in screen pixels.
struct WindowPosition {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
};

// The messages the game puts to the player; each edition gives each its icon and buttons.
enum class MessageId {
    HelpQuestion,  // OK or Cancel
    Tips,
    HelpFailed,
    SaveFailed,
};

// What the game asks of the edition that shows it: draw, wait, ask and tell, and the few things
// only a window system can do. The game calls these; the edition calls the game back with what
// the player did.
class ShellPort {
  public:
    virtual ~ShellPort() = default;

    // Each draws its screen into the back buffer and, when `present` is set, shows the area it
    // changed at once.
    virtual void DrawTitle(bool present) = 0;
    virtual void DrawPlayfield(const World& world, bool present) = 0;
    // Over the last frame.
    virtual void DrawResults(const ResultTexts& lines, bool present) = 0;
    // Tells assistive technology what the field shows; `alert` for a screen that ends a game.
    virtual void Announce(const std::string& name, const std::string& description, bool alert) = 0;

    // The game wants to be woken in `milliseconds` (0: as soon as the edition can), replacing
    // any wake-up armed before; none when it has nothing to do until the player acts.
    virtual void ArmWakeUp(std::optional<std::uint32_t> milliseconds) = 0;
    // Whether a note may come at any moment: the sound device should then be open.
    virtual void WantSoundDevice(bool wanted) = 0;

    // Modal, the game held meanwhile. True when the player chose OK.
    virtual bool ShowMessage(MessageId id, const std::string& caption, const std::string& text) = 0;
    // The records as the player accepted them, or none on Cancel.
    virtual std::optional<OptionRecords> RunOptionsDialog(const OptionRecords& current) = 0;
    virtual void ShowAbout() = 0;
    // Hands the help page to the desktop; a failure found later comes back as HelpFailed.
    virtual void OpenHelpPage() = 0;
    // Activates the Game menu's New item, as the player would: it acts only while enabled.
    virtual void ActivateNewItem() = 0;

    // Where the pointer is on the field, or none when it is off the field.
    virtual std::optional<FieldPoint> PointerInField() const = 0;
    virtual WindowPosition CurrentPosition() const = 0;
    // The position from the settings file; the window goes there when `move` is set.
    virtual void TakeStoredPosition(const WindowPosition& stored, bool move) = 0;
    virtual void SetStaysOnTop(bool onTop) = 0;
};
