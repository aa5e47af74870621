#include "settings/files/posix/UserIds.h"

#include <unistd.h>

#include <algorithm>

bool UserIds::IsIn(gid_t group) const {
    return std::find(Groups.begin(), Groups.end(), group) != Groups.end();
}

UserIds UserIds::Current() {
    UserIds user;
    user.Uid = geteuid();
    user.Groups.push_back(getegid());
    const int count = getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> more(static_cast<std::size_t>(count));
        const int got = getgroups(count, more.data());
        if (got > 0) {
            more.resize(static_cast<std::size_t>(got));
            user.Groups.insert(user.Groups.end(), more.begin(), more.end());
        }
    }
    return user;
}
