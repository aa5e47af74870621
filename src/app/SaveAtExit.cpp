#include "app/SaveAtExit.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "app/KeptSettings.h"
#include "settings/FileCalls.h"

namespace {

KeptSettings* armed = nullptr;
std::once_flag registered;

}  // namespace

SaveAtExit::SaveAtExit(KeptSettings& kept) : previous_(armed) {
    std::call_once(registered, [] {
        // Objects made after the registration are gone by the time the hook runs: what a
        // save uses must exist before it.
        SystemFileCalls();
        std::atexit(&SaveAtExit::AtExit);
    });
    armed = &kept;
}

SaveAtExit::~SaveAtExit() {
    armed = previous_;
}

void SaveAtExit::AtExit() {
    KeptSettings* const kept = armed;
    if (kept == nullptr) {
        return;  // the main window is gone, and has saved on its way
    }
    const char* const outcome = kept->Write() ? "are saved in" : "could not be saved in";
    std::fprintf(stderr,
                 "Lumabels: ending without its window (the display is lost); the settings %s %s\n",
                 outcome, kept->Path().c_str());
}
