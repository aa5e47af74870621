#include <windows.h>

#include <exception>
#include <memory>
#include <optional>

#include "engine/TickCounter.h"
#include "process/ExitCodeAtLock.h"
#include "settings/files/windows/WideText.h"
#include "win32/desktop/ProgramPaths.h"
#include "win32/dialogs/TAboutDialog.h"
#include "win32/dialogs/TOptionsDialog.h"
#include "win32/process/ProgramGlobals.h"
#include "win32/process/SingleInstance.h"
#include "win32/translations/GameStrings.h"
#include "win32/window/MainWindow.h"

namespace {

void InitProgramPaths() {
    const ProgramPaths paths = ResolveProgramPaths(CurrentPathFacts());
    SoundDir = paths.SoundDir;
    HelpPath = paths.HelpPath;
    SettingsPath = paths.SettingsPath;
    SettingsFallbackPath = paths.SettingsFallbackPath;
}

void ShowException(const wchar_t* text) {
    MessageBoxW(nullptr, text, WideFromUtf8(TitleText).c_str(), MB_OK | MB_ICONERROR);
}

// Waits for input or for the moment the game is due, whichever comes first, and delivers both.
void RunMessageLoop(MainWindow& gui) {
    MSG message{};
    for (;;) {
        MsgWaitForMultipleObjectsEx(0, nullptr, gui.TimeToWake(), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        // Checked after every wait, so a stream of input never keeps the game from its step.
        gui.WakeIfDue();
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return;
            }
            if (!gui.TranslateShortcut(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    // Declared first, so it is released last: after the main window has saved the settings,
    // a copy started at that moment cannot read a file that is about to change.
    const SingleInstance lock(L"Lumabels", MainWindow::WindowClass);
    if (const std::optional<int> endCode = ExitCodeAtLock(lock)) {
        return *endCode;
    }
    GameStrings::Choose(GameStrings::UserInterfaceLocale());
    InitProgramPaths();

    try {
        auto gui = std::make_unique<MainWindow>(instance, SystemTickCounter());
        auto options = std::make_unique<TOptionsDialog>(instance);
        OptionsDialog = options.get();
        auto about = std::make_unique<TAboutDialog>(instance);
        AboutDialog = about.get();
        ShowWindow(gui->Handle(), showCommand);
        UpdateWindow(gui->Handle());
        RunMessageLoop(*gui);
        // The forms go in the reverse order of their making; the main window saves last.
        AboutDialog = nullptr;
        about.reset();
        OptionsDialog = nullptr;
        options.reset();
        gui.reset();
    } catch (const std::exception& error) {
        ShowException(WideFromUtf8(error.what()).c_str());
    } catch (...) {
        ShowException(L"");
    }
    return 0;
}
