#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "settings/AppSystemOptions.h"
#include "settings/StoredSettings.h"
#include "win32/window/BackBuffer.h"
#include "win32/window/FieldPainter.h"
#include "win32/window/NotePlayerOutput.h"

class TickCounter;

// The main window: the state machine, the self-paced tick loop, drawing and input. The loop
// is a private message the window posts to itself; its handler steps the game, draws, waits
// out the interval while it lets the window answer the player, and posts the next one.
class TGui {
  public:
    enum GameState : std::uint8_t {
        stReset = 1,
        stTitle = 2,
        stPlaying = 3,
        stResults = 4,
        stSuspended = 5,
        stClosing = 6,
    };
    // WM_USER + 1: the private message that drives the loop; one is in the queue at any time.
    static constexpr UINT TickMessage = 1025;
    // The window class a second copy of the game looks for to bring this one forward.
    static constexpr const wchar_t* WindowClass = L"LumabelsMainWindow";

    TGui(HINSTANCE instance, const TickCounter& ticks);
    TGui(const TGui&) = delete;
    TGui& operator=(const TGui&) = delete;
    ~TGui();

    HWND Handle() const { return hwnd_; }
    // Lets the accelerators of the menus act on a message taken from the queue; true when
    // it was a shortcut and has been handled.
    bool TranslateShortcut(MSG& message) const;

    void SetState(GameState state);
    GameState GetState() const { return State; }
    void Tick();
    void OnTickMessage();
    void ApplySystemOptions(AppSystemOptions options);
    void LoadSettings();
    void SaveSettings();

    void DrawTitle(bool present);
    void DrawPlayfield(bool present);
    void DrawResults(bool present);

    void FormKeyDown(WPARAM key, LPARAM flags);
    void FormKeyUp(WPARAM key);
    void FormMouseDown(UINT button, std::int32_t x, std::int32_t y);
    void PopupMenu1Popup();

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id);
    void Game_MItemClick(int id);
    void Help_MItemClick(int id);
    void Popup_MItemClick(int id);
    void OptionsCommand();
    void OpenHelp();
    void StartNewIfEnabled();
    bool IsItemEnabled(int id) const;
    // Runs a modal window (a message box or a dialog) with the game held still.
    int WhileHeld(const std::function<int()>& modal);
    void ShowMessage(const wchar_t* text, const wchar_t* caption, UINT flags);
    void ShiftClick();

    void CreateBackBuffer(UINT dpi);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void SizeToField(UINT dpi, const RECT* place);
    void Present(const Rect& area);
    void Paint();

    void PostTickMessage();
    void PacingWait();
    bool ProcessPendingMessages();
    bool NothingCanChange() const;
    void ResumeTicks();
    void Hold();
    void Unhold();

    void RememberPosition();
    StoredSettings CurrentSettings() const;
    void SaveNewRecord();

    HWND hwnd_ = nullptr;
    HMENU mainMenu_ = nullptr;
    HMENU popupMenus_ = nullptr;
    HMENU PopupMenu1 = nullptr;  // the first submenu of popupMenus_
    HACCEL accelerators_ = nullptr;

    GameState State{};  // 0, no state, while the constructor runs
    std::unique_ptr<::BackBuffer> BackBuffer;
    AppSystemOptions CurrentSystemOptions;
    std::int32_t ShiftCount = 0;

    const TickCounter& ticks_;
    std::unique_ptr<FieldPainter> painter_;
    NotePlayerOutput notes_;
    POINT position_{};  // the window's outer top-left corner, as last seen unminimised
    std::int32_t savedRecordScore_ = 0;
    std::int32_t savedRecordTime_ = 0;
    // Menus, message boxes and dialogs open: the game stands still while any is.
    int holds_ = 0;
    bool closeRequested_ = false;
    bool quitSeen_ = false;
    // The tick chain stands still, no tick message queued, while nothing on screen can change.
    bool ticksParked_ = false;
    // The next tick message only waits: a game that has just started or resumed takes its
    // first step a whole interval later, as every other step.
    bool waitBeforeStep_ = false;
};

// The main window, while it exists.
extern TGui* Gui;
