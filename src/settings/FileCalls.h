#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

// The system calls a settings save goes through. Tests replace single calls with failures
// to show that no failure, at any step, leaves a damaged file behind.
class FileCalls {
  public:
    virtual ~FileCalls() = default;
    // Creates and opens a new file from a template ending in "XXXXXX", which it fills in.
    virtual int MakeTemporary(std::string& pathTemplate);
    virtual int ChangeMode(int fd, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const std::string& from, const std::string& to);
    virtual int Unlink(const std::string& path);
};

// The real calls.
FileCalls& SystemFileCalls();
