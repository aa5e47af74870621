#include "win32/desktop/HelpLauncher.h"

#include <algorithm>

#include "desktop/HelpPage.h"
#include "settings/files/windows/WideText.h"
#include "win32/system/ComApartment.h"
#include "win32/system/LoadedLibrary.h"

std::wstring HelpPageFor(const std::string& englishPage, const std::wstring& language) {
    // The shared rule speaks of '/' folders.
    std::string page = englishPage;
    std::replace(page.begin(), page.end(), '\\', '/');
    page = LocalizedHelpPath(page, Utf8FromWide(language), [](const std::string& candidate) {
        const DWORD attributes = GetFileAttributesW(WideFromUtf8(candidate).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    });
    std::replace(page.begin(), page.end(), '/', '\\');
    return WideFromUtf8(page);
}

bool OpenDocument(HWND owner, const std::wstring& path) {
    // The shell may hand the page to a COM handler; the game needs COM for nothing else, so
    // the apartment lasts only as long as the asking.
    const ComApartment com;
    // Loaded for the asking, not imported: an import would load the shell at every start.
    const LoadedLibrary shell(L"shell32.dll");
    using ExecuteFunction = HINSTANCE WINAPI(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    ExecuteFunction* const execute = shell.Find<ExecuteFunction>("ShellExecuteW");
    if (execute == nullptr) {
        return false;
    }
    // Shown, not hidden: a viewer that honours a hide request would open the page where no one
    // sees it. Anything above 32 is success; the value is a handle only in name.
    const auto result = reinterpret_cast<INT_PTR>(
        execute(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}
