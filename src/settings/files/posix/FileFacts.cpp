#include "settings/files/posix/FileFacts.h"

#include <sys/stat.h>

namespace {

FileFacts FromStat(const struct stat& info) {
    FileFacts facts;
    if (S_ISREG(info.st_mode)) {
        facts.Type = FileFacts::Kind::Regular;
    } else if (S_ISDIR(info.st_mode)) {
        facts.Type = FileFacts::Kind::Folder;
    } else if (S_ISLNK(info.st_mode)) {
        facts.Type = FileFacts::Kind::Link;
    }
    facts.Owner = info.st_uid;
    facts.Group = info.st_gid;
    facts.Mode = info.st_mode & 07777;
    return facts;
}

// The three bits (read, write, search) that apply to this user.
mode_t BitsFor(const FileFacts& entry, const UserIds& user) {
    if (entry.Owner == user.Uid) {
        return (entry.Mode >> 6U) & 7U;
    }
    if (user.IsIn(entry.Group)) {
        return (entry.Mode >> 3U) & 7U;
    }
    return entry.Mode & 7U;
}

constexpr mode_t WriteBit = 2;
constexpr mode_t SearchBit = 1;

}  // namespace

std::optional<FileFacts> FileFacts::OfEntry(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FromStat(info);
}

std::optional<FileFacts> FileFacts::OfTarget(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FromStat(info);
}

bool FileFacts::MayWrite(const UserIds& user) const {
    return (BitsFor(*this, user) & WriteBit) != 0;
}

bool FileFacts::MayCreateIn(const UserIds& user) const {
    const mode_t bits = BitsFor(*this, user);
    return Type == Kind::Folder && (bits & WriteBit) != 0 && (bits & SearchBit) != 0;
}

bool FileFacts::MayReplace(const UserIds& user) const {
    return Type == Kind::Regular && MayWrite(user) && (Owner == user.Uid || user.Uid == 0);
}
