#pragma once

#include <optional>
#include <string>

#include "settings/files/posix/FileFacts.h"
#include "settings/files/posix/UserIds.h"

// What the choice of the game's paths depends on, so tests can stage any machine and user.
class PathFacts {
  public:
    virtual ~PathFacts() = default;
    // The entry itself, a symbolic link included; nothing when there is none.
    virtual std::optional<FileFacts> Entry(const std::string& path) const = 0;
    // What the path leads to through its links; nothing when it leads nowhere.
    virtual std::optional<FileFacts> Target(const std::string& path) const = 0;
    // A variable of the environment; "" when unset.
    virtual std::string Environment(const char* name) const = 0;
    // The user's home folder as the password database has it; "" when it has none.
    virtual std::string PasswordHome() const = 0;
    virtual UserIds User() const = 0;
};

// The facts of this machine and this process's user.
const PathFacts& SystemPathFacts();
