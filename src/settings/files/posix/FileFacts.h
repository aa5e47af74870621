#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "settings/files/posix/UserIds.h"

// What the file system says about one entry: enough to judge, by its owner and mode bits,
// what a user may do with it.
struct FileFacts {
    enum class Kind { Regular, Folder, Link, Other };
    Kind Type = Kind::Other;
    uid_t Owner = 0;
    gid_t Group = 0;
    mode_t Mode = 0;  // the permission bits, 07777

    // The entry itself, a symbolic link included (lstat); nothing when it cannot be looked at,
    // with errno telling why.
    static std::optional<FileFacts> OfEntry(const std::string& path);
    // What the path leads to, through any symbolic links (stat); nothing for a dangling link
    // or a loop as for a missing file, with errno telling why.
    static std::optional<FileFacts> OfTarget(const std::string& path);

    // The mode bits as they read for this user: the owner's when the user owns it, else the
    // group's when the user is in its group, else everyone else's. Root is judged like anyone,
    // so it never writes what is marked read-only.
    bool MayWrite(const UserIds& user) const;
    // A folder in which the user may make and remove files: write and search permission.
    bool MayCreateIn(const UserIds& user) const;
    // The user may replace the file and give the new one this file's owner: it is theirs, or
    // they are root.
    bool MayReplace(const UserIds& user) const;
};
