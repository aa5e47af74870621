#include "qt/desktop/PathFacts.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

class SystemFacts final : public PathFacts {
  public:
    std::optional<FileFacts> Entry(const std::string& path) const override {
        return FileFacts::OfEntry(path);
    }
    std::optional<FileFacts> Target(const std::string& path) const override {
        return FileFacts::OfTarget(path);
    }
    std::string Environment(const char* name) const override {
        const char* value = std::getenv(name);
        return value != nullptr ? value : "";
    }
    std::string PasswordHome() const override {
        const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
        std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384U);
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
            found == nullptr || found->pw_dir == nullptr) {
            return {};
        }
        return found->pw_dir;
    }
    UserIds User() const override { return UserIds::Current(); }
};

}  // namespace

const PathFacts& SystemPathFacts() {
    static const SystemFacts facts;
    return facts;
}
