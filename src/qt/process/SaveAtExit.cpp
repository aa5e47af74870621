#include "qt/process/SaveAtExit.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "qt/desktop/TerminalText.h"
#include "settings/KeptSettings.h"
#include "settings/files/FileCalls.h"

namespace {

SaveAtExit* Armed = nullptr;
std::once_flag Registered;

}  // namespace

SaveAtExit::SaveAtExit(KeptSettings& kept)
    : kept_(kept),
      previous_(Armed),
      savedLine_(TerminalText("SaveAtExit",
                              QT_TRANSLATE_NOOP("SaveAtExit",
                                                "Lumabels: ending without its window (the display "
                                                "is lost); the settings are saved in %1"),
                              {kept.Path()}) +
                 "\n"),
      notSavedLine_(TerminalText("SaveAtExit",
                                 QT_TRANSLATE_NOOP("SaveAtExit",
                                                   "Lumabels: ending without its window (the "
                                                   "display is lost); the settings could not be "
                                                   "saved in %1"),
                                 {kept.Path()}) +
                    "\n") {
    std::call_once(Registered, [] {
        // Objects made after the registration are gone by the time the hook runs: what a
        // save uses must exist before it.
        SystemFileCalls();
        std::atexit(&SaveAtExit::AtExit);
    });
    Armed = this;
}

SaveAtExit::~SaveAtExit() {
    Armed = previous_;
}

void SaveAtExit::AtExit() {
    const SaveAtExit* const hook = Armed;
    if (hook == nullptr) {
        return;  // the main window is gone, and has saved on its way
    }
    const std::string& line = hook->kept_.Write() ? hook->savedLine_ : hook->notSavedLine_;
    std::fputs(line.c_str(), stderr);
}
