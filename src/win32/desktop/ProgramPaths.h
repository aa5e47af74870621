#pragma once

#include <string>

// Where the game finds its notes and help page and keeps its settings, all UTF-8.
struct ProgramPaths {
    std::string SoundDir;  // ends with '\'
    std::string HelpPath;
    std::string SettingsPath;
    // Read instead while SettingsPath does not exist yet; empty when there is none.
    std::string SettingsFallbackPath;
};

// What the rule below needs to know about the machine.
struct PathFacts {
    std::wstring ExecutableFolder;  // with its trailing '\'
    std::wstring AppData;           // the roaming application data folder, no trailing '\';
                                    // asked for only when Installed
    bool Installed = false;         // see IsInstalledFolder
};

// The settings' place follows the rule both editions share (ChooseSettingsPlace), in Windows
// terms: the notes and help are always beside the executable; an installed game keeps the
// settings in %APPDATA%\Lumabels\settings.ini and, while nothing is there yet, reads a
// settings.ini beside the executable (one a packager left there); a portable copy, unpacked
// anywhere the player may write, keeps them beside the executable.
ProgramPaths ResolveProgramPaths(const PathFacts& facts);

// Under Program Files (either of them), or in a folder where this user may not make a file,
// or beside a settings.ini marked read-only.
bool IsInstalledFolder(const std::wstring& folder);

// The facts of this process.
PathFacts CurrentPathFacts();
