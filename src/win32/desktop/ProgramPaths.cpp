#include "win32/desktop/ProgramPaths.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <vector>

#include "settings/SettingsPlace.h"
#include "settings/files/windows/WideText.h"
#include "win32/system/LoadedLibrary.h"

namespace {

// Asked only of an installed copy, the one that keeps its settings there: shell32 is loaded for
// it then, not imported, which would load it and its neighbours at every start.
std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    const LoadedLibrary shell(L"shell32.dll");
    using GetFunction = HRESULT WINAPI(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
    GetFunction* const get = shell.Find<GetFunction>("SHGetKnownFolderPath");
    PWSTR path = nullptr;
    std::wstring folder;
    if (get != nullptr && SUCCEEDED(get(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

// The Program Files folders as Windows gives them to every process, so that judging a portable
// copy needs no shell library.
std::wstring EnvironmentFolder(const wchar_t* name) {
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
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

using BesideUse = SettingsPlaceFacts::BesideUse;

// The settings' place judged in Windows' terms: the roaming application data folder, and
// whether the executable's folder is an installed one.
class KnownFolderFacts final : public SettingsPlaceFacts {
  public:
    explicit KnownFolderFacts(const PathFacts& facts) : facts_(facts) {}

    std::string ProgramFolder() const override { return Utf8FromWide(facts_.ExecutableFolder); }
    // The notes and the help page are beside the executable wherever it is installed.
    bool DataBesideProgram() const override { return true; }
    // An installed folder's settings.ini is offered as read, whether there or not: a missing
    // one reads as nothing at all.
    BesideUse SettingsBesideProgram() const override {
        return facts_.Installed ? BesideUse::ReadOnly : BesideUse::Keep;
    }
    std::string UserSettingsFolder() const override {
        return facts_.AppData.empty() ? std::string()
                                      : Utf8FromWide(facts_.AppData) + "\\Lumabels\\";
    }

  private:
    const PathFacts& facts_;
};

}  // namespace

bool IsInstalledFolder(const std::wstring& folder) {
    for (const wchar_t* name : {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432"}) {
        if (StartsWithFolder(folder, EnvironmentFolder(name))) {
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
    // A folder that cannot be named counts as installed: nothing is written beside nothing.
    facts.Installed = facts.ExecutableFolder.empty() || IsInstalledFolder(facts.ExecutableFolder);
    // A portable copy keeps its settings beside the executable and needs no other folder.
    if (facts.Installed) {
        facts.AppData = KnownFolder(FOLDERID_RoamingAppData);
    }
    return facts;
}

ProgramPaths ResolveProgramPaths(const PathFacts& facts) {
    const std::string folder = Utf8FromWide(facts.ExecutableFolder);
    const SettingsPlace place = ChooseSettingsPlace(KnownFolderFacts(facts));
    ProgramPaths paths;
    paths.SoundDir = folder + "sound\\";
    paths.HelpPath = folder + "help\\index.html";
    paths.SettingsPath = place.Path;
    paths.SettingsFallbackPath = place.FallbackPath;
    return paths;
}
