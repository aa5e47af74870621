#pragma once

#include <windows.h>

#include <string>

#include "settings/files/FileCalls.h"

// The Win32 calls a settings load or save goes through, all of them wide (UTF-16). Each reports
// failure as Win32 does, with the reason in GetLastError. Tests replace single calls with
// failures to show that no failure, at any step, leaves a damaged file behind or escapes.
class FileCalls {
  public:
    virtual ~FileCalls() = default;
    // Opens an existing file to read, in binary as every file here is, sharing it with anyone.
    virtual HANDLE OpenForReading(const std::wstring& path);
    virtual bool Read(HANDLE file, void* data, DWORD size, DWORD& got);
    // Makes a new file to write, which no one else may open until it is closed; fails with
    // ERROR_FILE_EXISTS when the name is taken.
    virtual HANDLE CreateNew(const std::wstring& path);
    virtual bool Write(HANDLE file, const void* data, DWORD size, DWORD& written);
    virtual bool Flush(HANDLE file);
    virtual bool Close(HANDLE file);
    // Puts `replacement` in place of the existing `target`, which keeps its attributes and
    // security (ReplaceFileW).
    virtual bool Replace(const std::wstring& target, const std::wstring& replacement);
    // Moves `from` to `to`, over anything there, and returns once that is on disk.
    virtual bool Move(const std::wstring& from, const std::wstring& to);
    virtual bool Remove(const std::wstring& path);
};
