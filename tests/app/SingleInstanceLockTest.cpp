#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "qt/process/SingleInstanceLock.h"
#include "settings/TempFolder.h"

namespace {

constexpr uid_t Nobody = 65534;

enum Outcome { Held = 10, HeldElsewhere = 11, ProblemNamingThePath = 12, OtherProblem = 13 };

// How a lock came out, as an exit status a child can hand back.
int OutcomeOf(const SingleInstanceLock& lock, const std::string& path, const std::string& why) {
    if (lock.IsHeld()) {
        return lock.Problem().empty() ? Held : OtherProblem;
    }
    if (lock.Problem().empty()) {
        return HeldElsewhere;
    }
    const std::string& said = lock.Problem();
    const bool oneLine = said.find('\n') == said.size() - 1;
    return oneLine && said.find(path) != std::string::npos && said.find(why) != std::string::npos
               ? ProblemNamingThePath
               : OtherProblem;
}

// Runs `body` in a child process as the unprivileged user when the test runs as root (as
// itself otherwise) and gives its exit status.
int AsPlayer(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setresgid(Nobody, Nobody, Nobody) != 0 ||
             setresuid(Nobody, Nobody, Nobody) != 0)) {
            _exit(100);
        }
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

// A folder the player owns and may use.
std::string PlayersFolder(const TempFolder& root, const std::string& name) {
    const std::string path = root.File(name);
    std::filesystem::create_directory(path);
    chmod(root.Path().c_str(), 0755);
    chmod(path.c_str(), 0700);
    if (geteuid() == 0) {
        EXPECT_EQ(chown(path.c_str(), Nobody, Nobody), 0);
    }
    return path;
}

}  // namespace

TEST(SingleInstanceLock, OnlyOneCopyHoldsItAndTheOtherSaysNothing) {
    TempFolder folder;
    const SingleInstanceLock first("Game", folder.Path().string(), "");
    ASSERT_TRUE(first.IsHeld());
    EXPECT_EQ(first.Problem(), "");
    EXPECT_EQ(first.Path(), folder.File("Game.lock"));
    {
        const SingleInstanceLock second("Game", folder.Path().string(), "");
        EXPECT_FALSE(second.IsHeld());
        EXPECT_EQ(second.Problem(), "");
    }
    // The lock stays with the first.
    const SingleInstanceLock third("Game", folder.Path().string(), "");
    EXPECT_FALSE(third.IsHeld());
}

TEST(SingleInstanceLock, ARelativeRuntimeFolderIsIgnored) {
    TempFolder folder;
    const std::string temp = folder.Path().string();
    const SingleInstanceLock first("Game", "run/user", temp);
    ASSERT_TRUE(first.IsHeld()) << first.Problem();
    const std::string own = temp + "/Lumabels-" + std::to_string(geteuid());
    EXPECT_EQ(first.Path(), own + "/Game.lock");
    struct stat info {};
    ASSERT_EQ(lstat(own.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700U);
    // From anywhere, with any relative value, the same lock.
    const SingleInstanceLock second("Game", "elsewhere", temp);
    EXPECT_FALSE(second.IsHeld());
    EXPECT_EQ(second.Problem(), "");
    const SingleInstanceLock third("Game", "", temp);
    EXPECT_FALSE(third.IsHeld());
    EXPECT_EQ(third.Problem(), "");
}

TEST(SingleInstanceLock, AStaleRuntimeFolderIsReportedWithItsPath) {
    TempFolder folder;
    const std::string gone = folder.File("gone");
    const SingleInstanceLock lock("Game", gone, "");
    EXPECT_EQ(OutcomeOf(lock, gone + "/Game.lock", "No such file or directory"),
              ProblemNamingThePath)
        << lock.Problem();
}

TEST(SingleInstanceLock, ALockFileThePlayerCannotOpenIsReported) {
    // A lock left behind by a run as root, in the player's runtime folder.
    TempFolder folder;
    const std::string runtime = PlayersFolder(folder, "runtime");
    const std::string path = runtime + "/Game.lock";
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    close(fd);
    if (geteuid() != 0) {
        chmod(path.c_str(), 0400);  // the player's own, but not to be opened for writing
    }
    EXPECT_EQ(AsPlayer([&] {
                  const SingleInstanceLock lock("Game", runtime, "");
                  return OutcomeOf(lock, path, "Permission denied");
              }),
              ProblemNamingThePath);
}

TEST(SingleInstanceLock, AnUnwritableRuntimeFolderIsReported) {
    TempFolder folder;
    const std::string runtime = PlayersFolder(folder, "runtime");
    chmod(runtime.c_str(), 0500);
    const int status = AsPlayer([&] {
        const SingleInstanceLock lock("Game", runtime, "");
        return OutcomeOf(lock, runtime + "/Game.lock", "Permission denied");
    });
    chmod(runtime.c_str(), 0700);
    EXPECT_EQ(status, ProblemNamingThePath);
}

TEST(SingleInstanceLock, ALinkInPlaceOfTheLockIsNeverFollowed) {
    TempFolder folder;
    const std::string runtime = folder.Path().string();
    const std::string target = folder.File("target");
    std::filesystem::create_symlink(target, folder.File("Game.lock"));
    const SingleInstanceLock dangling("Game", runtime, "");
    EXPECT_EQ(OutcomeOf(dangling, runtime + "/Game.lock", "symbolic link"), ProblemNamingThePath)
        << dangling.Problem();
    EXPECT_FALSE(std::filesystem::exists(target));
    TempFolder::Write(target, "");
    const SingleInstanceLock leading("Game", runtime, "");
    EXPECT_EQ(OutcomeOf(leading, runtime + "/Game.lock", "symbolic link"), ProblemNamingThePath);
}

TEST(SingleInstanceLock, APrivateFolderThatIsALinkIsRefused) {
    TempFolder folder;
    const std::string temp = folder.Path().string();
    const std::string own = temp + "/Lumabels-" + std::to_string(geteuid());
    std::filesystem::create_directory(folder.File("elsewhere"));
    std::filesystem::create_symlink(folder.File("elsewhere"), own);
    const SingleInstanceLock lock("Game", "", temp);
    EXPECT_EQ(OutcomeOf(lock, own, "symbolic link"), ProblemNamingThePath) << lock.Problem();
    EXPECT_TRUE(std::filesystem::is_empty(folder.File("elsewhere")));
}

TEST(SingleInstanceLock, AReadOnlyTempFolderIsReported) {
    TempFolder folder;
    const std::string temp = folder.File("tmp");
    std::filesystem::create_directory(temp);
    chmod(folder.Path().c_str(), 0755);
    chmod(temp.c_str(), 0555);
    const int status = AsPlayer([&] {
        const SingleInstanceLock lock("Game", "", temp);
        return OutcomeOf(lock, temp + "/Lumabels-", "Permission denied");
    });
    chmod(temp.c_str(), 0755);
    EXPECT_EQ(status, ProblemNamingThePath);
}

// Another user (root here) plants a folder or a lock file where the player's would go.
TEST(SingleInstanceLock, AnotherUsersFolderOrLockFileIsRefused) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to stage another user's files";
    }
    TempFolder folder;
    const std::string temp = folder.File("tmp");
    std::filesystem::create_directory(temp);
    chmod(folder.Path().c_str(), 0755);
    chmod(temp.c_str(), 01777);
    const std::string planted = temp + "/Lumabels-" + std::to_string(Nobody);
    std::filesystem::create_directory(planted);
    chmod(planted.c_str(), 0777);
    EXPECT_EQ(AsPlayer([&] {
                  const SingleInstanceLock lock("Game", "", temp);
                  return OutcomeOf(lock, planted, "another user");
              }),
              ProblemNamingThePath);

    const std::string runtime = PlayersFolder(folder, "runtime");
    const std::string lockPath = runtime + "/Game.lock";
    const int fd = open(lockPath.c_str(), O_CREAT | O_WRONLY, 0666);
    ASSERT_GE(fd, 0);
    fchmod(fd, 0666);
    close(fd);
    EXPECT_EQ(AsPlayer([&] {
                  const SingleInstanceLock lock("Game", runtime, "");
                  return OutcomeOf(lock, lockPath, "another user");
              }),
              ProblemNamingThePath);
    // Root, for its part, does not take a lock of the player's.
    ASSERT_EQ(chown(lockPath.c_str(), Nobody, Nobody), 0);
    const SingleInstanceLock root("Game", runtime, "");
    EXPECT_EQ(OutcomeOf(root, lockPath, "another user"), ProblemNamingThePath) << root.Problem();
}
