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
    // The folder $HOME named when it belongs to another user (root started with a player's
    // environment, as `sudo -E` does), and which was therefore left alone; empty otherwise.
    std::string ForeignHome;
    // The user's own home folder, from the password database, used in its place.
    std::string OwnHome;
};

// The settings' place follows the rule both editions share (ChooseSettingsPlace), in this
// system's terms:
// - The data is beside the executable when sound/ or help/ is there (a portable copy); an
//   installed game has it in ../share/lumabels/, and is never read or written beside, root
//   included.
// - The user's folder is $XDG_CONFIG_HOME/lumabels/ when that variable is an absolute path, else
//   <home>/.config/lumabels/, with the home folder from $HOME when absolute, else from the
//   password database. A $HOME that is another user's folder is not used, nor an
//   $XDG_CONFIG_HOME that lies in it: the game makes and writes nothing there, and takes the
//   home folder from the password database.
// - settings.ini beside the executable is kept when, by owner and mode bits, this user may make
//   files in that folder and the file there is missing, or a regular file they may replace, or
//   a symbolic link of theirs to such a file of theirs; a file of that kind they may not
//   replace is only read.
// An executable whose folder cannot be found (empty, or a path too long to use) counts as
// installed, with its data where the package puts it.
ProgramPaths ResolveProgramPaths(const std::string& executableFolder, const PathFacts& facts);
