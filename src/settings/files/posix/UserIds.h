#pragma once

#include <sys/types.h>

#include <vector>

// Who the game runs as, for judging files by their owner and mode bits: the effective user
// and every group it belongs to (the effective group first).
struct UserIds {
    uid_t Uid = 0;
    std::vector<gid_t> Groups;

    bool IsIn(gid_t group) const;

    // This process's user and groups.
    static UserIds Current();
};
