#include "win32/desktop/HelpLauncher.h"

#include <shellapi.h>

#include <algorithm>

#include "desktop/HelpPage.h"
#include "settings/files/windows/WideText.h"

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
    // Anything above 32 is success; the value is a handle only in name.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}
