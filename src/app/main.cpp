#include <exception>
#include <memory>

#include "app/LumabelsApplication.h"
#include "app/ProgramGlobals.h"
#include "app/SingleInstanceLock.h"
#include "app/TGui.h"
#include "dialogs/TAboutDialog.h"
#include "dialogs/TOptionsDialog.h"
#include "engine/TickCounter.h"

int main(int argc, char** argv) {
    // Declared first, so it is released last: after the main window has saved the settings,
    // a copy started at that moment cannot read a file that is about to change.
    const SingleInstanceLock lock(TitleText);
    if (!lock.IsHeld()) {
        return 1;
    }
    InitProgramPaths();
    Q_INIT_RESOURCE(lumabels);

    LumabelsApplication app(argc, argv);
    try {
        auto gui = std::make_unique<TGui>(SystemTickCounter());
        Gui = gui.get();
        auto options = std::make_unique<TOptionsDialog>();
        OptionsDialog = options.get();
        auto about = std::make_unique<TAboutDialog>();
        AboutDialog = about.get();
        gui->show();
        LumabelsApplication::exec();
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
    return 0;
}
