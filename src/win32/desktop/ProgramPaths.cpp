#include "win32/desktop/ProgramPaths.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <vector>

#include "settings/files/windows/WideText.h"

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

bool StartsWithFolder(const std::wstring& path, const std::wstring& folder) {
    if (folder.empty() || path.size() <= folder.size()) {
        return false;
    }
    const int compared =
        CompareStringOrdinal(path.c_str(), static_cast<int>(folder.size()), folder.c_str(),
                             static_cast<int>(folder.size()), TRUE);
    return compared == CSTR_EQUAL && (path[folder.size()] == L'\\' || folder.back() == L'\\');
}

bool MayCreateFileIn(const std::wstring& folder) {
    const std::wstring probe = folder + L"lumabels-write-check.tmp";
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_EXISTS;
    }
    CloseHandle(file);
    return true;
}

std::wstring ExecutableFolder() {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            const std::wstring path(name.data(), length);
            return path.substr(0, path.find_last_of(L"\\/") + 1);
        }
        name.resize(name.size() * 2);
    }
}

}  // namespace

bool IsInstalledFolder(const std::wstring& folder) {
    for (REFKNOWNFOLDERID id : {FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86}) {
        if (StartsWithFolder(folder, KnownFolder(id))) {
            return true;
        }
    }
    const DWORD settings = GetFileAttributesW((folder + L"settings.ini").c_str());
    const bool readOnlySettings =
        settings != INVALID_FILE_ATTRIBUTES && (settings & FILE_ATTRIBUTE_READONLY) != 0;
    return readOnlySettings || !MayCreateFileIn(folder);
}

PathFacts CurrentPathFacts() {
    PathFacts facts;
    facts.ExecutableFolder = ExecutableFolder();
    facts.AppData = KnownFolder(FOLDERID_RoamingAppData);
    // A folder that cannot be named counts as installed: nothing is written beside nothing.
    facts.Installed = facts.ExecutableFolder.empty() || IsInstalledFolder(facts.ExecutableFolder);
    return facts;
}

ProgramPaths ResolveProgramPaths(const PathFacts& facts) {
    const std::string folder = Utf8FromWide(facts.ExecutableFolder);
    ProgramPaths paths;
    paths.SoundDir = folder + "sound\\";
    paths.HelpPath = folder + "help\\index.html";
    const std::string beside = folder + "settings.ini";
    if (!facts.Installed) {
        paths.SettingsPath = beside;
        return paths;
    }
    if (!facts.AppData.empty()) {
        paths.SettingsPath = Utf8FromWide(facts.AppData) + "\\Lumabels\\settings.ini";
    }
    paths.SettingsFallbackPath = folder.empty() ? std::string() : beside;
    return paths;
}
