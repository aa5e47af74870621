#include "settings/files/SystemAtomicFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>
#include <utility>

#include "settings/files/FileProblems.h"
#include "settings/files/ReadToLimit.h"
#include "settings/files/windows/FileCalls.h"
#include "settings/files/windows/SystemMessage.h"
#include "settings/files/windows/WideText.h"

// The Windows save: the whole text goes to a new file in the same folder, is flushed to disk,
// and then takes the old file's place with ReplaceFileW, which keeps the old file's attributes
// and security, or with MoveFileExW when there is no old file yet. Both happen or neither, so
// a full disk, a crash or a kill leaves the old file or the new one. A file marked read-only,
// a folder of the file's name and a link (a reparse point) are left alone; a folder where no
// file can be made refuses by itself. Windows marks a folder read-only only to say that it is
// customised, so that mark is no refusal.

namespace {

constexpr std::wstring_view TemporaryPrefix = L".settings-";
constexpr std::size_t TemporaryLetters = 6;
// The most one call reads or writes, far above the settings file's size limit.
constexpr DWORD LargestCall = 1U << 30U;

bool IsNotFound(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Closes the handle however the read or write ends.
class FileHandle {
  public:
    FileHandle(FileCalls& calls, HANDLE handle) : calls_(calls), handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    HANDLE Get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        return handle == INVALID_HANDLE_VALUE || calls_.Close(handle);
    }

  private:
    FileCalls& calls_;
    HANDLE handle_;
};

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return L".";
    }
    // "C:\settings.ini" lies in "C:\", not in "C:", which is the current folder on drive C.
    const bool root = slash == 0 || (slash == 2 && path[1] == L':');
    return path.substr(0, root ? slash + 1 : slash);
}

std::wstring InFolder(const std::wstring& folder, std::wstring_view name) {
    const bool separated = folder.ends_with(L'\\') || folder.ends_with(L'/');
    return folder + (separated ? L"" : L"\\") + std::wstring(name);
}

// A save cut short by a kill, between making its new file and moving it, leaves that file
// behind: only one copy of the game runs per user, so such a file is a leftover.
void RemoveLeftovers(const std::wstring& folder, FileCalls& calls) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::wstring name = entry.path().filename().wstring();
        if (name.size() == TemporaryPrefix.size() + TemporaryLetters &&
            name.starts_with(TemporaryPrefix) && entry.is_regular_file(error)) {
            calls.Remove(entry.path().wstring());
        }
    }
}

// Why the file at `path` may not be replaced, or nothing when it may; `exists` tells whether
// there is a file to replace.
std::string Obstacle(const std::wstring& path, bool& exists) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? std::string() : SystemMessage(error);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return FileProblems::NotRegular;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return "a link, so left as it is";
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return FileProblems::ReadOnly;
    }
    return {};
}

// Makes a new file of a free name in `folder`; `path` is its name.
HANDLE CreateTemporary(const std::wstring& folder, std::wstring& path, FileCalls& calls) {
    constexpr std::wstring_view Letters =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::minstd_rand pick(std::random_device{}());
    std::uniform_int_distribution<std::size_t> letter(0, Letters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring name(TemporaryPrefix);
        for (std::size_t i = 0; i < TemporaryLetters; ++i) {
            name += Letters[letter(pick)];
        }
        path = InFolder(folder, name);
        const HANDLE file = calls.CreateNew(path);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(FileCalls& calls, HANDLE file, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const DWORD want =
            static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, LargestCall));
        DWORD written = 0;
        if (!calls.Write(file, contents.data() + done, want, written)) {
            return false;
        }
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        done += written;
    }
    return true;
}

// Puts the flushed new file in place of the target.
bool PutInPlace(const std::wstring& temporary, const std::wstring& target, bool exists,
                FileCalls& calls) {
    if (!exists) {
        return calls.Move(temporary, target);
    }
    if (calls.Replace(target, temporary)) {
        return true;
    }
    // ReplaceFileW may fail after it has removed the old file and before it has renamed the new
    // one; the new file is whole and on disk, so it takes the old one's place.
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT && calls.Move(temporary, target)) {
        return true;
    }
    SetLastError(error);
    return false;
}

}  // namespace

FileText SystemReadWholeFile(const std::string& path, std::size_t maxBytes, FileCalls& calls) {
    const std::wstring wide = WideFromUtf8(path);
    const FileHandle file(calls, calls.OpenForReading(wide));
    if (!file.IsOpen()) {
        const DWORD error = GetLastError();
        if (IsNotFound(error)) {
            return FileText{};
        }
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        const bool folder =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        return FileText::Unusable(folder ? FileProblems::NotRegular : SystemMessage(error));
    }
    // A pipe, a console or a device is no settings file, and may never end.
    LARGE_INTEGER size{};
    if (GetFileType(file.Get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.Get(), &size)) {
        return FileText::Unusable(FileProblems::NotRegular);
    }
    if (size.QuadPart < 0) {
        return FileText::Unusable(FileProblems::NotRegular);
    }
    const ReadChunk read = [&](char* place, std::size_t count) -> std::optional<std::size_t> {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count, LargestCall));
        if (!calls.Read(file.Get(), place, want, got)) {
            return std::nullopt;
        }
        return got;
    };
    return ReadToLimit(static_cast<std::size_t>(size.QuadPart), maxBytes, read,
                       [] { return SystemMessage(GetLastError()); });
}

WriteOutcome SystemReplaceFile(const std::string& path, const std::string& contents,
                               FileCalls& calls) {
    const std::wstring target = WideFromUtf8(path);
    bool exists = false;
    const std::string obstacle = Obstacle(target, exists);
    if (!obstacle.empty()) {
        return WriteOutcome::Refused(obstacle);
    }
    const std::wstring folder = FolderOf(target);
    RemoveLeftovers(folder, calls);
    std::wstring temporary;
    FileHandle file(calls, CreateTemporary(folder, temporary, calls));
    if (!file.IsOpen()) {
        return WriteOutcome::Refused(SystemMessage(GetLastError()));
    }
    bool ok = WriteAll(calls, file.Get(), contents) && calls.Flush(file.Get());
    DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    ok = file.Close() && ok;
    if (ok) {
        ok = PutInPlace(temporary, target, exists, calls);
    }
    if (!ok) {
        if (error == ERROR_SUCCESS) {
            error = GetLastError();
        }
        calls.Remove(temporary);
        return WriteOutcome::Refused(SystemMessage(error));
    }
    return WriteOutcome::Written();
}
