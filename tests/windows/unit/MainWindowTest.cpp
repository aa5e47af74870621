#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

#include "settings/CurrentPlayOptions.h"
#include "settings/TempFolder.h"
#include "support/GameShellProbe.h"
#include "support/ManualTickCounter.h"
#include "win32/Resources.h"
#include "win32/dialogs/TAboutDialog.h"
#include "win32/dialogs/TOptionsDialog.h"
#include "win32/process/ProgramGlobals.h"
#include "win32/window/MainWindow.h"
#include "win32/window/NotePlayerOutput.h"

// Hands the main window its messages as the system would, and reads what it asked the game
// for and what it armed.
struct Win32MainWindowProbe {
    static LRESULT Send(MainWindow& gui, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return gui.HandleMessage(message, wParam, lParam);
    }
    static GameShell::GameState State(const MainWindow& gui) {
        return GameShellProbe::State(gui.shell_);
    }
    static ::World& World(MainWindow& gui) { return GameShellProbe::World(gui.shell_); }
};

// Lets the note player's play-sound call be watched.
struct AppSoundProbe {
    static void PlayThrough(AppSound& player, AppSound::PlaySoundFunction* play) {
        player.playSound_ = play;
    }
    static const std::string& Note(const AppSound& player, int number) {
        return player.noteData_[static_cast<std::size_t>(number - 1)];
    }
};

namespace {

// What the last modal window of the game looked like once it was up; it is then closed with
// CloseWith, so a command that opens the wrong window never leaves the test waiting.
struct ModalSeen {
    bool Shown = false;
    RECT Client{};
    RECT Button{};
    POINT Frame{};  // the about box's frame, where its margins start
};
ModalSeen Seen;
int CloseWith = IDCANCEL;
// Only while a test of the main window runs: a timer message already queued may still come.
bool Watching = false;

RECT ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

RECT ButtonOf(HWND dialog) {
    RECT button{};
    GetWindowRect(GetDlgItem(dialog, IDOK), &button);
    OffsetRect(&button, -button.left, -button.top);
    return button;
}

POINT FrameOf(HWND dialog) {
    RECT frame{};
    GetWindowRect(GetDlgItem(dialog, IDC_BEVEL1), &frame);
    POINT corner{frame.left, frame.top};
    ScreenToClient(dialog, &corner);
    return corner;
}

// Runs in a modal window's own loop, once it is up and waiting for the player.
void CALLBACK LookAndClose(HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = FindWindowW(MAKEINTATOM(32770), nullptr);
    if (Watching && dialog != nullptr && IsWindowVisible(dialog)) {
        Seen = ModalSeen{true, ClientOf(dialog), ButtonOf(dialog), FrameOf(dialog)};
        SendMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(CloseWith), 0);
    }
}

INT_PTR CALLBACK Bare(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A dialog's template as the system lays it out by itself.
ModalSeen Template(int id) {
    const HWND bare =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr, &Bare, 0);
    const ModalSeen laidOut{true, ClientOf(bare), ButtonOf(bare), FrameOf(bare)};
    DestroyWindow(bare);
    return laidOut;
}

bool SameSize(const RECT& a, const RECT& b) {
    return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

const void* PlayedSound = nullptr;
DWORD PlayedFlags = 0;

BOOL WINAPI RecordPlay(LPCWSTR sound, HMODULE, DWORD flags) {
    PlayedSound = sound;
    PlayedFlags = flags;
    return TRUE;
}

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        SettingsPath = folder.File("settings.ini");
        SoundDir = LUMABELS_NOTE_DIR;
        ApplyPlayOptions(AppPlayOptions{});
        ticks.Set(1000);
        options = std::make_unique<TOptionsDialog>(GetModuleHandleW(nullptr));
        about = std::make_unique<TAboutDialog>(GetModuleHandleW(nullptr));
        OptionsDialog = options.get();
        AboutDialog = about.get();
        gui.emplace(GetModuleHandleW(nullptr), ticks);
        Watching = true;
        closer_ = SetTimer(nullptr, 0, 10, &LookAndClose);
    }
    void TearDown() override {
        Watching = false;
        KillTimer(nullptr, closer_);
        gui.reset();
        // The window's going ends the program's loop: a later test's dialog must not see that.
        MSG quit{};
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        OptionsDialog = nullptr;
        AboutDialog = nullptr;
    }
    GameShell::GameState State() const { return Win32MainWindowProbe::State(*gui); }
    void Command(int id) { Win32MainWindowProbe::Send(*gui, WM_COMMAND, static_cast<WPARAM>(id)); }
    // The command, with any modal window it opens closed by `button` once it is up.
    void CommandClosedWith(int id, int button) {
        Seen = ModalSeen{};
        CloseWith = button;
        Command(id);
        CloseWith = IDCANCEL;
    }

    TempFolder folder;
    ManualTickCounter ticks;
    std::unique_ptr<TOptionsDialog> options;
    std::unique_ptr<TAboutDialog> about;
    std::optional<MainWindow> gui;

  private:
    UINT_PTR closer_ = 0;
};

// Each menu item, shortcut, key and click reaches the game as the command it names, and the
// dialogs open as their templates lay them out.
TEST_F(MainWindowTest, EachCommandKeyAndClickReachesTheGame) {
    ASSERT_EQ(State(), GameShell::Title);
    CommandClosedWith(ID_GAME_NEW, IDCANCEL);
    EXPECT_FALSE(Seen.Shown);
    EXPECT_EQ(State(), GameShell::Playing) << "Game > New";
    CommandClosedWith(ID_GAME_OPTIONS, IDOK);
    EXPECT_TRUE(Seen.Shown && SameSize(Seen.Client, Template(IDD_OPTIONS).Client));
    EXPECT_EQ(State(), GameShell::Title) << "Game > Options, OK";
    Win32MainWindowProbe::Send(*gui, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(State(), GameShell::Playing) << "Space on the title";
    CommandClosedWith(ID_POPUP_OPTIONS, IDOK);
    EXPECT_EQ(State(), GameShell::Title) << "the popup's Options, OK";
    Win32MainWindowProbe::Send(*gui, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(State(), GameShell::Playing) << "a click on the title";
    CommandClosedWith(ID_GAME_OPTIONS, IDCANCEL);
    EXPECT_EQ(State(), GameShell::Playing) << "Options, Cancel";
    CommandClosedWith(ID_POPUP_NEW, IDCANCEL);
    EXPECT_FALSE(Seen.Shown) << "the popup's New";
    CommandClosedWith(ID_HELP_ABOUT, IDOK);
    const ModalSeen about = Template(IDD_ABOUT);
    // The margins are whole halves of the template's: an odd one loses its last pixel.
    EXPECT_TRUE(Seen.Shown && SameSize(Seen.Button, about.Button) &&
                std::abs(Seen.Frame.x - about.Frame.x) <= 1 &&
                std::abs(Seen.Frame.y - about.Frame.y) <= 1)
        << "the About box's button and margins as its template has them";
    MSG f2{gui->Handle(), WM_KEYDOWN, VK_F2, 0, 0, {}};
    CommandClosedWith(ID_GAME_OPTIONS, IDOK);
    ASSERT_EQ(State(), GameShell::Title);
    EXPECT_TRUE(gui->TranslateShortcut(f2));
    EXPECT_EQ(State(), GameShell::Playing) << "F2";
}

// The message loop waits exactly as long as the game asked, then brings it its step.
TEST_F(MainWindowTest, TheWaitIsTheOneTheGameAskedFor) {
    AppPlayOptions options;
    options.Interval = 40;
    ApplyPlayOptions(options);
    EXPECT_EQ(gui->TimeToWake(), INFINITE) << "the title waits for the player";
    Command(ID_GAME_NEW);
    EXPECT_EQ(gui->TimeToWake(), 40U);
    ticks.Set(1030);
    EXPECT_EQ(gui->TimeToWake(), 10U);
    MSG message{};
    // Wine's dialogs of an earlier test may leave a message of the same number behind; a stray
    // one only wakes the game to find nothing due.
    while (PeekMessageW(&message, gui->Handle(), MainWindow::TickMessage, MainWindow::TickMessage,
                        PM_REMOVE)) {
    }
    gui->WakeIfDue();
    EXPECT_FALSE(PeekMessageW(&message, gui->Handle(), MainWindow::TickMessage,
                              MainWindow::TickMessage, PM_REMOVE));
    ticks.Set(1040);
    gui->WakeIfDue();
    ASSERT_TRUE(PeekMessageW(&message, gui->Handle(), MainWindow::TickMessage,
                             MainWindow::TickMessage, PM_REMOVE));
    const auto bandTop = [this] {
        Band band;
        Win32MainWindowProbe::World(*gui).GetLumabel(0, band);
        return band.Rect.Top;
    };
    const std::int32_t before = bandTop();
    DispatchMessageW(&message);
    EXPECT_LT(bandTop(), before) << "the step came";
    EXPECT_EQ(gui->TimeToWake(), 40U);
}

// The note the game names is the one the system is handed, and it cuts off the one sounding.
TEST_F(MainWindowTest, TheNoteTheGameNamesIsPlayedOverTheOneSounding) {
    ASSERT_TRUE(NotePlayer->HasSound());
    AppSoundProbe::PlayThrough(*NotePlayer, &RecordPlay);
    for (const NoteNumber note : {NoteNumber{5}, NoteNumber{2}}) {
        NotePlayerOutput().Play(note);
        EXPECT_EQ(PlayedSound, AppSoundProbe::Note(*NotePlayer, note).data());
        EXPECT_EQ(PlayedFlags & (SND_MEMORY | SND_ASYNC | SND_NOSTOP),
                  static_cast<DWORD>(SND_MEMORY | SND_ASYNC));
    }
    AppSoundProbe::PlayThrough(*NotePlayer, nullptr);
}

}  // namespace
