#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

#include "settings/files/FileCalls.h"

// The POSIX calls a settings load or save goes through. Tests replace single calls with
// failures to show that no failure, at any step, leaves a damaged file behind or escapes.
class FileCalls {
  public:
    virtual ~FileCalls() = default;
    // Opens a file for reading without waiting: a FIFO or a device never holds the game up.
    virtual int OpenForReading(const std::string& path);
    virtual ssize_t Read(int fd, void* data, std::size_t size);
    // Creates and opens a new file from a template ending in "XXXXXX", which it fills in. The
    // file gets the mode any new file gets here (0666 less the umask).
    virtual int MakeTemporary(std::string& pathTemplate);
    virtual int ChangeOwner(int fd, uid_t owner, gid_t group);
    virtual int ChangeMode(int fd, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const std::string& from, const std::string& to);
    virtual int Unlink(const std::string& path);
};
