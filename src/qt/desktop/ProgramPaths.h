#pragma once

#include <string>

#include "qt/desktop/PathFacts.h"

// Where the game finds its notes and help page and keeps its settings.
struct ProgramPaths {
    std::string SoundDir;  // ends with '/'
    std::string HelpPath;
    // Where the settings are read and saved; empty when the user has no home folder at all.
    std::string SettingsPath;
    // Read instead while SettingsPath does not exist yet; empty when there is none.
    std::string SettingsFallbackPath;
};

// One rule for the settings:
// - An installed game (no sound/ or help/ beside the executable: its data is in
//   ../share/lumabels/) keeps them in the user's configuration folder, never beside the
//   executable, root included: $XDG_CONFIG_HOME/lumabels/settings.ini when that variable is an
//   absolute path, else <home>/.config/lumabels/settings.ini, with the home folder from $HOME
//   when absolute, else from the password database.
// - A portable copy (sound/ or help/ beside the executable) keeps them in settings.ini beside
//   the executable when, by owner and mode bits, this user may make files in that folder and
//   settings.ini there is missing, or a regular file they may replace, or a symbolic link of
//   theirs to such a file of theirs. Otherwise they go to the configuration folder as above,
//   and while nothing is there yet, the settings.ini beside the executable supplies the values.
// An executable whose folder cannot be found (empty, or a path too long to use) counts as
// installed, with its data where the package puts it.
ProgramPaths ResolveProgramPaths(const std::string& executableFolder, const PathFacts& facts);
