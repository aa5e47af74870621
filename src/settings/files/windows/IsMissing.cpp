#include "settings/files/IsMissing.h"

#include <windows.h>

#include "settings/files/windows/WideText.h"

bool IsMissing(const std::string& path) {
    if (GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
