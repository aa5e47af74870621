#include <QApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include "engine/TickCounter.h"
#include "process/ExitCodeAtLock.h"
#include "qt/LumabelsApplication.h"
#include "qt/desktop/GameTranslations.h"
#include "qt/desktop/TerminalText.h"
#include "qt/dialogs/TAboutDialog.h"
#include "qt/dialogs/TOptionsDialog.h"
#include "qt/process/ComeForwardSocket.h"
#include "qt/process/CommandLine.h"
#include "qt/process/OpenClosedStandardStreams.h"
#include "qt/process/PlatformStartGuard.h"
#include "qt/process/ProgramGlobals.h"
#include "qt/process/SignalCloser.h"
#include "qt/process/SilentServices.h"
#include "qt/process/SingleInstanceLock.h"
#include "qt/window/MainWindow.h"

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

// The forms' program-wide pointers, cleared before the main window goes, or once it has gone
// with an exception, so that nothing finds a form that is no more.
void ForgetTheForms() {
    AboutDialog = nullptr;
    OptionsDialog = nullptr;
    Gui = nullptr;
}

// A second start asked for the game: its window, or the dialog open over it, comes to the
// front and takes the focus, as far as the window manager or compositor allows.
void BringForward(const std::string& token) {
    if (Gui == nullptr) {
        return;
    }
    if (!token.empty() && QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
        // Qt hands the compositor the token it finds here when it asks for the focus.
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    }
    if (Gui->isMinimized()) {
        Gui->showNormal();
    }
    QWidget* front = QApplication::activeModalWidget() != nullptr
                         ? QApplication::activeModalWidget()
                         : static_cast<QWidget*>(Gui);
    front->raise();
    front->activateWindow();
}

}  // namespace

int main(int argc, char** argv) {
    OpenClosedStandardStreams();
    // Chosen before anything is said, so the usage and error lines speak the player's language.
    const std::unique_ptr<GameTranslations> translations = PlayerTranslations();
    UseTerminalTranslations(translations.get());
    switch (OwnOption(argc, argv)) {
        case CommandLineAction::Help:
            std::fputs(HelpText().c_str(), stdout);
            return 0;
        case CommandLineAction::Version:
            std::fputs(VersionText().c_str(), stdout);
            return 0;
        case CommandLineAction::Run:
            break;
    }
    // Declared first, so it is released last: after the main window has saved the settings,
    // a copy started at that moment cannot read a file that is about to change.
    const SingleInstanceLock lock(TitleText);
    if (const std::optional<int> endCode = ExitCodeAtLock(lock)) {
        std::fputs(lock.Problem().c_str(), stderr);  // nothing when another copy runs
        return *endCode;
    }
    InitProgramPaths();
    Q_INIT_RESOURCE(lumabels);

    // Made before the application object, so it is gone after it: a signal that comes while
    // the application is taken down, after the save, still finds the closer there.
    std::optional<SignalCloser> closer;
    std::unique_ptr<LumabelsApplication> app;
    DoWithoutSilentServices();
    {
        const PlatformStartGuard guard(argc, argv);
        app = std::make_unique<LumabelsApplication>(argc, argv);
    }
    // Qt has taken its own options out of argv; whatever is left the game does not know.
    if (argc > 1) {
        std::fputs(NotUnderstoodText(argv[1]).c_str(), stderr);
        return 2;
    }
    translations->Install();
    closer.emplace(&CloseTheGame);
    int exitCode = 0;
    try {
        auto gui = std::make_unique<MainWindow>(SystemTickCounter());
        Gui = gui.get();
        // The main window is the dialogs' one owner, as their Qt parent: a window manager keeps
        // them in front of it (Stay on Top included) and centres them over it, and they go
        // with it, after its own destructor has saved the settings.
        OptionsDialog = new TOptionsDialog(gui.get());
        AboutDialog = new TAboutDialog(gui.get());
        gui->show();
        const ComeForwardSocket forward(ComeForwardSocket::PathBeside(lock.Path()), &BringForward);
        exitCode = LumabelsApplication::exec();
        ForgetTheForms();
        gui.reset();
    } catch (const std::exception& error) {
        ForgetTheForms();
        LumabelsApplication::ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ForgetTheForms();
        LumabelsApplication::ShowException(QString());
    }
    closer->SaveFinished();
    return exitCode;
}
