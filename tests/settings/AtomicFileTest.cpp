#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <new>
#include <thread>

#include "settings/TempFolder.h"
#include "settings/files/AtomicFile.h"
#include "settings/files/posix/FileCalls.h"

namespace {

// Fails the chosen call, as a full disk or a dying machine would.
class FailingCalls final : public FileCalls {
  public:
    enum class Step {
        None,
        MakeTemporary,
        ChangeOwner,
        ChangeMode,
        Write,
        ShortWrite,
        Sync,
        Close,
        Rename
    };
    explicit FailingCalls(Step failing) : failing_(failing) {}

    int MakeTemporary(std::string& pathTemplate) override {
        return Fail(Step::MakeTemporary) ? -1 : FileCalls::MakeTemporary(pathTemplate);
    }
    int ChangeOwner(int fd, uid_t owner, gid_t group) override {
        if (Fail(Step::ChangeOwner)) {
            errno = EPERM;
            return -1;
        }
        return FileCalls::ChangeOwner(fd, owner, group);
    }
    int ChangeMode(int fd, mode_t mode) override {
        return Fail(Step::ChangeMode) ? -1 : FileCalls::ChangeMode(fd, mode);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (Fail(Step::Write)) {
            errno = ENOSPC;
            return -1;
        }
        if (failing_ == Step::ShortWrite) {
            // Half goes out, then the disk is full.
            if (wrote_) {
                errno = ENOSPC;
                return -1;
            }
            wrote_ = true;
            return FileCalls::Write(fd, data, size / 2);
        }
        return FileCalls::Write(fd, data, size);
    }
    int Sync(int fd) override { return Fail(Step::Sync) ? -1 : FileCalls::Sync(fd); }
    int Close(int fd) override {
        const int result = FileCalls::Close(fd);
        return Fail(Step::Close) ? -1 : result;
    }
    int Rename(const std::string& from, const std::string& to) override {
        return Fail(Step::Rename) ? -1 : FileCalls::Rename(from, to);
    }

  private:
    bool Fail(Step step) const { return failing_ == step; }
    Step failing_;
    bool wrote_ = false;
};

const std::string OldContents = "[Settings]\nPlayOptions=12,0,250,Old,1\n";
const std::string NewContents = "[Settings]\nPlayOptions=9,2,100,New,1\n" + std::string(10000, ';');

}  // namespace

class AtomicFileTest : public ::testing::TestWithParam<FailingCalls::Step> {
  protected:
    TempFolder folder;
};

TEST_P(AtomicFileTest, AFailedStepLeavesTheOldFileWholeAndNoLitter) {
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    FailingCalls calls(GetParam());
    const WriteOutcome outcome = ReplaceFileAtomically(path, NewContents, calls);
    EXPECT_FALSE(outcome);
    EXPECT_FALSE(outcome.Problem().empty());
    EXPECT_EQ(TempFolder::Contents(path), OldContents);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

std::string StepName(const ::testing::TestParamInfo<FailingCalls::Step>& info) {
    static const char* const names[] = {"None",       "MakeTemporary", "ChangeOwner",
                                        "ChangeMode", "Write",         "ShortWrite",
                                        "Sync",       "Close",         "Rename"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryStep, AtomicFileTest,
                         ::testing::Values(FailingCalls::Step::MakeTemporary,
                                           FailingCalls::Step::ChangeOwner,
                                           FailingCalls::Step::ChangeMode,
                                           FailingCalls::Step::Write,
                                           FailingCalls::Step::ShortWrite, FailingCalls::Step::Sync,
                                           FailingCalls::Step::Close, FailingCalls::Step::Rename),
                         StepName);

TEST(AtomicFile, ReplacesTheWholeFileAndKeepsItsMode) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    chmod(path.c_str(), 0640);
    EXPECT_TRUE(ReplaceFileAtomically(path, NewContents));
    EXPECT_EQ(TempFolder::Contents(path), NewContents);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

namespace {

// Flushes nothing: a test of modes needs no more than the system's cache.
class Unflushed final : public FileCalls {
  public:
    int Sync(int) override { return 0; }
};

}  // namespace

TEST(AtomicFile, GivesANewFileTheUsualModeAndLeavesOtherThreadsFilesTheirs) {
    TempFolder folder;
    TempFolder elsewhere;
    const mode_t mask = umask(022);
    // Another thread keeps making files meanwhile; each must get what the umask gives.
    std::atomic<bool> saving = true;
    std::atomic<int> wrongModes = 0;
    std::thread maker([&] {
        const std::string path = elsewhere.File("made");
        while (saving) {
            const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            struct stat info {};
            if (fd < 0 || fstat(fd, &info) != 0 || (info.st_mode & 07777) != 0644) {
                ++wrongModes;
            }
            close(fd);
            unlink(path.c_str());
        }
    });
    const std::string path = folder.File("settings.ini");
    Unflushed unflushed;
    mode_t savedMode = 0644;
    for (int save = 0; save < 1000 && wrongModes == 0 && savedMode == 0644; ++save) {
        ReplaceFileAtomically(path, NewContents, unflushed);
        struct stat info {};
        savedMode = stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
        unlink(path.c_str());
    }
    saving = false;
    maker.join();
    umask(mask);
    EXPECT_EQ(savedMode, 0644U);
    EXPECT_EQ(wrongModes, 0);
}

TEST(AtomicFile, ClearsLeftoversOfASaveThatWasKilled) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(folder.File(".settings-a1B2c3"), "[Settings]\nPlayOpt");
    TempFolder::Write(folder.File(".settings-notmine.txt"), "kept");
    EXPECT_TRUE(ReplaceFileAtomically(path, NewContents));
    EXPECT_FALSE(std::filesystem::exists(folder.File(".settings-a1B2c3")));
    EXPECT_TRUE(std::filesystem::exists(folder.File(".settings-notmine.txt")));
    EXPECT_EQ(folder.EntryCount(), 2U);
}

TEST(AtomicFile, ClearsLeftoversOnlyInItsOwnFolder) {
    TempFolder folder;
    TempFolder elsewhere;
    const std::string link = folder.File("settings.ini");
    const std::string real = elsewhere.File("real.ini");
    TempFolder::Write(real, OldContents);
    std::filesystem::create_symlink(real, link);
    TempFolder::Write(elsewhere.File(".settings-a1B2c3"), "someone's work in progress");
    TempFolder::Write(folder.File(".settings-d4E5f6"), "a leftover");
    EXPECT_TRUE(ReplaceFileAtomically(link, NewContents));
    EXPECT_FALSE(std::filesystem::exists(folder.File(".settings-d4E5f6")));
    EXPECT_EQ(TempFolder::Contents(real), NewContents);
    EXPECT_EQ(TempFolder::Contents(elsewhere.File(".settings-a1B2c3")),
              "someone's work in progress");
    EXPECT_EQ(elsewhere.EntryCount(), 2U);
}

TEST(AtomicFile, ClearsOnlyThisUsersLeftovers) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can plant another user's file for this test";
    }
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    const std::string theirs = folder.File(".settings-x1Y2z3");
    const std::string link = folder.File(".settings-l1N2k3");
    TempFolder::Write(theirs, "another user's");
    ASSERT_EQ(chown(theirs.c_str(), 65534, 65534), 0);
    std::filesystem::create_symlink(path, link);
    EXPECT_TRUE(ReplaceFileAtomically(path, NewContents));
    EXPECT_EQ(TempFolder::Contents(theirs), "another user's");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

TEST(AtomicFile, CreatesAMissingFile) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    EXPECT_TRUE(ReplaceFileAtomically(path, "x"));
    EXPECT_EQ(TempFolder::Contents(path), "x");
}

TEST(AtomicFile, WritesThroughTheUsersOwnSymbolicLink) {
    TempFolder folder;
    const std::string real = folder.File("real.ini");
    const std::string link = folder.File("settings.ini");
    TempFolder::Write(real, OldContents);
    std::filesystem::create_symlink(real, link);
    EXPECT_TRUE(ReplaceFileAtomically(link, NewContents));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TempFolder::Contents(real), NewContents);
}

TEST(AtomicFile, NeverReplacesADanglingLinkOrALoop) {
    TempFolder folder;
    const std::string link = folder.File("settings.ini");
    const std::string nowhere = folder.File("nowhere/real.ini");
    std::filesystem::create_symlink(nowhere, link);
    WriteOutcome outcome = ReplaceFileAtomically(link, NewContents);
    EXPECT_FALSE(outcome);
    EXPECT_NE(outcome.Problem().find("leads nowhere"), std::string::npos) << outcome.Problem();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), nowhere);

    const std::string loop = folder.File("loop.ini");
    std::filesystem::remove(link);
    std::filesystem::create_symlink(loop, link);
    std::filesystem::create_symlink(link, loop);
    outcome = ReplaceFileAtomically(link, NewContents);
    EXPECT_FALSE(outcome);
    EXPECT_NE(outcome.Problem().find("loops"), std::string::npos) << outcome.Problem();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_symlink(loop));
    EXPECT_EQ(folder.EntryCount(), 2U);
}

TEST(AtomicFile, LeavesReadOnlyFilesFoldersAndDirectoriesAlone) {
    // Root included: the mode bits say what the user wants, whatever root could do.
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents));
    EXPECT_EQ(TempFolder::Contents(path), OldContents);

    chmod(path.c_str(), 0644);
    chmod(folder.Path().c_str(), 0555);
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents));
    EXPECT_FALSE(ReplaceFileAtomically(folder.File("new.ini"), NewContents));
    chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(TempFolder::Contents(path), OldContents);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

TEST(AtomicFile, NeverReplacesAFolderOfThatName) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    std::filesystem::create_directory(path);
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(ReadWholeFile(path, 1024).State, FileText::Kind::Unusable);
}

TEST(AtomicFile, ReadsWholeFilesAndNothingForMissingOnes) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    EXPECT_EQ(ReadWholeFile(path, 1024).State, FileText::Kind::Missing);
    const std::string binary("a\0b\xFF\r\n", 6);
    TempFolder::Write(path, binary);
    const FileText text = ReadWholeFile(path, 1024);
    EXPECT_EQ(text.State, FileText::Kind::Read);
    EXPECT_EQ(text.Bytes, binary);
}

TEST(AtomicFile, ReadsUpToTheLimitAndNotAByteMore) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, std::string(4096, 'x'));
    EXPECT_EQ(ReadWholeFile(path, 4096).Bytes.size(), 4096U);
    const FileText text = ReadWholeFile(path, 4095);
    EXPECT_EQ(text.State, FileText::Kind::Unusable);
    EXPECT_TRUE(text.Bytes.empty());
    EXPECT_NE(text.Problem.find("larger than"), std::string::npos) << text.Problem;
}

TEST(AtomicFile, NeverWaitsForAWriterOfAFifo) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&path] { return ReadWholeFile(path, 1024); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Let the stuck reader go, so the test can end and report.
        const int writer = open(path.c_str(), O_WRONLY | O_NONBLOCK);
        close(writer);
        FAIL() << "reading a FIFO waited for a writer";
    }
    const FileText text = reading.get();
    EXPECT_EQ(text.State, FileText::Kind::Unusable);
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents));
}

namespace {

// Throws where a call would run out of memory.
class ThrowingCalls final : public FileCalls {
  public:
    int OpenForReading(const std::string&) override { throw std::bad_alloc(); }
    int MakeTemporary(std::string&) override { throw std::bad_alloc(); }
};

// Runs `body` in a child process as user and group 65534 and gives its exit status; for
// tests run as root that need an ordinary user facing another user's files.
int AsAnotherUser(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 ||
            setresuid(65534, 65534, 65534) != 0) {
            _exit(100);
        }
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

}  // namespace

TEST(AtomicFile, KeepsEveryExceptionInside) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    ThrowingCalls calls;
    EXPECT_EQ(ReadWholeFile(path, 1024, calls).State, FileText::Kind::Unusable);
    const WriteOutcome outcome = ReplaceFileAtomically(path, NewContents, calls);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(TempFolder::Contents(path), OldContents);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

TEST(AtomicFile, RootKeepsTheOwnerGroupAndModeOfAnotherUsersFile) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can replace another user's file";
    }
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    // Their private file is not root's to write, by its mode bits.
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents));
    EXPECT_EQ(TempFolder::Contents(path), OldContents);
    // A file anyone may write is replaced, and stays theirs.
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    EXPECT_TRUE(ReplaceFileAtomically(path, NewContents));
    EXPECT_EQ(TempFolder::Contents(path), NewContents);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534U);
    EXPECT_EQ(info.st_gid, 65534U);
    EXPECT_EQ(info.st_mode & 07777, 0666U);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

TEST(AtomicFile, AUserRefusesToReplaceAnotherUsersFile) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to stage two users";
    }
    // A shared folder, and a file everyone may write but that belongs to root.
    TempFolder folder;
    ASSERT_EQ(chmod(folder.Path().c_str(), 0777), 0);
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    const int status = AsAnotherUser([&path] {
        const WriteOutcome outcome = ReplaceFileAtomically(path, NewContents);
        return outcome ? 1 : outcome.Problem().find("another user") != std::string::npos ? 0 : 2;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(TempFolder::Contents(path), OldContents);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 0U);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

TEST(AtomicFile, FollowsNoLinkOfAnotherUsersNorOneToAnotherUsersFile) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to stage two users";
    }
    TempFolder folder;
    ASSERT_EQ(chmod(folder.Path().c_str(), 01777), 0);
    // The victim's own file, and a link to it planted by someone else.
    const std::string victims = folder.File("profile");
    const std::string planted = folder.File("settings.ini");
    TempFolder::Write(victims, "victim's\n");
    ASSERT_EQ(chown(victims.c_str(), 65534, 65534), 0);
    std::filesystem::create_symlink(victims, planted);
    int status =
        AsAnotherUser([&planted] { return ReplaceFileAtomically(planted, NewContents) ? 1 : 0; });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(TempFolder::Contents(victims), "victim's\n");
    EXPECT_TRUE(std::filesystem::is_symlink(planted));

    // The user's own link to someone else's file.
    const std::string theirs = folder.File("theirs.ini");
    const std::string own = folder.File("own.ini");
    TempFolder::Write(theirs, OldContents);
    ASSERT_EQ(chmod(theirs.c_str(), 0666), 0);
    std::filesystem::create_symlink(theirs, own);
    ASSERT_EQ(lchown(own.c_str(), 65534, 65534), 0);
    status = AsAnotherUser([&own] { return ReplaceFileAtomically(own, NewContents) ? 1 : 0; });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(TempFolder::Contents(theirs), OldContents);
    // Root follows neither kind either.
    EXPECT_FALSE(ReplaceFileAtomically(planted, NewContents));
    ASSERT_EQ(chown(theirs.c_str(), 65534, 65534), 0);
    ASSERT_EQ(lchown(own.c_str(), 0, 0), 0);
    EXPECT_FALSE(ReplaceFileAtomically(own, NewContents));
    EXPECT_EQ(TempFolder::Contents(theirs), OldContents);
    EXPECT_EQ(TempFolder::Contents(victims), "victim's\n");
}
