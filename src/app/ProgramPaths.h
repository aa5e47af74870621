#pragma once

#include <functional>
#include <string>

// Where the game finds its notes and help page and keeps its settings.
struct ProgramPaths {
    std::string SoundDir;  // ends with '/'
    std::string HelpPath;
    std::string SettingsPath;
};

// What the choice depends on, so tests can stage any machine.
struct PathFacts {
    std::function<bool(const std::string&)> Exists;       // a file or folder is there
    std::function<bool(const std::string&)> Writable;     // the current user may write it
    std::function<std::string(const char*)> Environment;  // "" when unset
};

// The executable's own folder wins whenever it holds the files (the build tree, a portable
// folder); an installed game finds its data in ../share/lumabels/ beside bin/. Settings stay
// beside the executable whenever they can be written there, and otherwise go to the user's
// configuration folder, so an install in /usr never loses a record to a failed save.
ProgramPaths ResolveProgramPaths(const std::string& executableFolder, const PathFacts& facts);

// The facts of this machine and user.
PathFacts SystemPathFacts();
