#include "settings/files/windows/FileCalls.h"

HANDLE FileCalls::OpenForReading(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool FileCalls::Read(HANDLE file, void* data, DWORD size, DWORD& got) {
    return ReadFile(file, data, size, &got, nullptr) != FALSE;
}

HANDLE FileCalls::CreateNew(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

bool FileCalls::Write(HANDLE file, const void* data, DWORD size, DWORD& written) {
    return WriteFile(file, data, size, &written, nullptr) != FALSE;
}

bool FileCalls::Flush(HANDLE file) {
    return FlushFileBuffers(file) != FALSE;
}

bool FileCalls::Close(HANDLE file) {
    return CloseHandle(file) != FALSE;
}

bool FileCalls::Replace(const std::wstring& target, const std::wstring& replacement) {
    return ReplaceFileW(target.c_str(), replacement.c_str(), nullptr,
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
}

bool FileCalls::Move(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool FileCalls::Remove(const std::wstring& path) {
    return DeleteFileW(path.c_str()) != FALSE;
}

FileCalls& SystemFileCalls() {
    static FileCalls calls;
    return calls;
}
