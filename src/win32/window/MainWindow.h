#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "shell/GameShell.h"
#include "win32/translations/StringTableTranslator.h"
#include "win32/window/BackBuffer.h"
#include "win32/window/FieldPainter.h"
#include "win32/window/MainMenus.h"
#include "win32/window/NotePlayerOutput.h"

class TickCounter;

// The main window: the game's face on Win32. It draws what the game shell asks for, hands it
// the player's keys, clicks and commands, and tells the message loop when the game wants to be
// woken; the loop then posts the tick message, so every call into the game comes through the
// window procedure.
class MainWindow : private ShellPort {
  public:
    // WM_USER + 1: the message that wakes the game.
    static constexpr UINT TickMessage = 1025;
    // The window class a second copy of the game looks for to bring this one forward.
    static constexpr const wchar_t* WindowClass = L"LumabelsMainWindow";

    MainWindow(HINSTANCE instance, const TickCounter& ticks);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    HWND Handle() const { return hwnd_; }
    // Lets the accelerators of the menus act on a message taken from the queue; true when
    // it was a shortcut and has been handled.
    bool TranslateShortcut(MSG& message) const;
    // How long the message loop may wait for input before the game is due: INFINITE when the
    // game waits for the player.
    DWORD TimeToWake() const;
    // Posts the tick message once the game is due.
    void WakeIfDue();

  private:
    friend struct Win32MainWindowProbe;  // lets tests drive the window as its messages would

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id);
    void Game_MItemClick(int id);
    void Help_MItemClick(int id);
    void Popup_MItemClick(int id);
    void PopupMenu1Popup();
    void ShowPopup(LPARAM at);
    void FormKeyDown(WPARAM key);
    void FormKeyUp(WPARAM key);
    void FormMouseDown(UINT button, std::int32_t x, std::int32_t y);

    void CreateBackBuffer(UINT dpi);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void SizeToField(UINT dpi, const RECT* place);
    void Present(const Rect& area);
    void Paint();
    void RememberPosition();

    // What the game asks of its face.
    void DrawTitle(bool present) override;
    void DrawPlayfield(const World& world, bool present) override;
    void DrawResults(const ResultTexts& lines, bool present) override;
    void Announce(const std::string& name, const std::string& description, bool alert) override;
    void ArmWakeUp(std::optional<std::uint32_t> milliseconds) override;
    void WantSoundDevice(bool wanted) override;
    bool ShowMessage(MessageId id, const std::string& caption, const std::string& text) override;
    std::optional<OptionRecords> RunOptionsDialog(const OptionRecords& current) override;
    void ShowAbout() override;
    void OpenHelpPage() override;
    void ActivateNewItem() override;
    std::optional<FieldPoint> PointerInField() const override;
    WindowPosition CurrentPosition() const override;
    void TakeStoredPosition(const WindowPosition& stored, bool move) override;
    void SetStaysOnTop(bool onTop) override;

    HWND hwnd_ = nullptr;
    MainMenus menus_;
    std::unique_ptr<BackBuffer> backBuffer_;
    std::unique_ptr<FieldPainter> painter_;
    const TickCounter& ticks_;
    NotePlayerOutput notes_;
    StringTableTranslator translator_;
    POINT position_{};  // the window's outer top-left corner, as last seen unminimised
    std::optional<std::uint32_t> wakeAt_;  // the tick-counter reading the game is due at
    GameShell shell_;                      // after all it calls, so it goes first
};
