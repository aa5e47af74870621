#include "qt/process/ProgramGlobals.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "qt/desktop/ExecutableFolder.h"
#include "qt/desktop/ProgramPaths.h"
#include "qt/desktop/TerminalText.h"

namespace {

// Root started with a player's environment (sudo -E): nothing the game or its libraries make
// (settings, caches, the sound server's cookie) may land in the player's home as root's.
void LeaveForeignHome(const ProgramPaths& paths) {
    std::string foreign = paths.ForeignHome;
    while (foreign.size() > 1 && foreign.back() == '/') {
        foreign.pop_back();
    }
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && (std::string(value) + "/").starts_with(foreign + "/")) {
            ::unsetenv(variable);
        }
    }
    if (paths.OwnHome.empty()) {
        ::unsetenv("HOME");
    } else {
        ::setenv("HOME", paths.OwnHome.c_str(), 1);
    }
    const std::string line = TerminalText(
        "ProgramGlobals",
        QT_TRANSLATE_NOOP("ProgramGlobals",
                          "lumabels: %1 is another user's home folder, so the game keeps nothing "
                          "there and uses %2 instead"),
        {paths.ForeignHome, paths.OwnHome});
    std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace

std::unique_ptr<AppSound> NotePlayer;

void InitProgramPaths() {
    const ProgramPaths paths = ResolveProgramPaths(ExecutableFolder(), SystemPathFacts());
    SoundDir = paths.SoundDir;
    SettingsPath = paths.SettingsPath;
    SettingsFallbackPath = paths.SettingsFallbackPath;
    HelpPath = paths.HelpPath;
    if (!paths.ForeignHome.empty()) {
        LeaveForeignHome(paths);
    }
}
