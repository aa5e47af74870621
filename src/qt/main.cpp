#include <QApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include "engine/TickCounter.h"
#include "qt/LumabelsApplication.h"
#include "qt/desktop/GameTranslations.h"
#include "qt/desktop/TerminalText.h"
#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "qt/process/CommandLine.h"
#include "qt/process/PlatformStartGuard.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/process/SignalCloser.h"
#include "qt/process/SingleInstanceLock.h"
#include "qt/window/TGui.h"

namespace {

// Closing the main window is the one way out that saves everything; a dialog or menu that
// is open is closed first, so nothing holds the window up.
void CloseTheGame() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        if (QApplication::activeModalWidget() == modal) {
            break;
        }
    }
    if (Gui != nullptr) {
        Gui->close();
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Chosen before anything is said, so the usage and error lines speak the player's language.
    const std::unique_ptr<GameTranslations> translations = PlayerTranslations();
    UseTerminalTranslations(translations.get());
    switch (ParseCommandLine(argc, argv)) {
        case CommandLineAction::Help:
            std::fputs(HelpText().c_str(), stdout);
            return 0;
        case CommandLineAction::Version:
            std::fputs(VersionText().c_str(), stdout);
            return 0;
        case CommandLineAction::Misuse:
            std::fputs(UsageLine().c_str(), stderr);
            return 2;
        case CommandLineAction::Run:
            break;
    }
    // Declared first, so it is released last: after the main window has saved the settings,
    // a copy started at that moment cannot read a file that is about to change.
    const SingleInstanceLock lock(TitleText);
    if (!lock.IsHeld()) {
        std::fputs(lock.Problem().c_str(), stderr);
        return 1;
    }
    InitProgramPaths();
    Q_INIT_RESOURCE(lumabels);

    // Made before the application object, so it is gone after it: a signal that comes while
    // the application is taken down, after the save, still finds the closer there.
    std::optional<SignalCloser> closer;
    std::unique_ptr<LumabelsApplication> app;
    {
        const PlatformStartGuard guard;
        app = std::make_unique<LumabelsApplication>(argc, argv);
    }
    translations->Install();
    closer.emplace(&CloseTheGame);
    int exitCode = 0;
    try {
        auto gui = std::make_unique<TGui>(SystemTickCounter());
        Gui = gui.get();
        // Owned by the main window's window, so a window manager keeps them in front of it
        // (Stay on Top included) and centres them over it.
        auto options = std::make_unique<TOptionsDialog>(gui.get());
        OptionsDialog = options.get();
        auto about = std::make_unique<TAboutDialog>(gui.get());
        AboutDialog = about.get();
        gui->show();
        exitCode = LumabelsApplication::exec();
        // The forms go in the reverse order of their making.
        AboutDialog = nullptr;
        about.reset();
        OptionsDialog = nullptr;
        options.reset();
        Gui = nullptr;
        gui.reset();
    } catch (const std::exception& error) {
        LumabelsApplication::ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        LumabelsApplication::ShowException(QString());
    }
    closer->SaveFinished();
    return exitCode;
}
