#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "settings/AtomicFile.h"
#include "settings/TempFolder.h"

namespace {

// Fails the chosen call, as a full disk or a dying machine would.
class FailingCalls final : public FileCalls {
  public:
    enum class Step { None, MakeTemporary, ChangeMode, Write, ShortWrite, Sync, Close, Rename };
    explicit FailingCalls(Step failing) : failing_(failing) {}

    int MakeTemporary(std::string& pathTemplate) override {
        return Fail(Step::MakeTemporary) ? -1 : FileCalls::MakeTemporary(pathTemplate);
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
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents, calls));
    EXPECT_EQ(TempFolder::Contents(path), OldContents);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

std::string StepName(const ::testing::TestParamInfo<FailingCalls::Step>& info) {
    static const char* const names[] = {"None",       "MakeTemporary", "ChangeMode", "Write",
                                        "ShortWrite", "Sync",          "Close",      "Rename"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryStep, AtomicFileTest,
                         ::testing::Values(FailingCalls::Step::MakeTemporary,
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

TEST(AtomicFile, CreatesAMissingFile) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    EXPECT_TRUE(ReplaceFileAtomically(path, "x"));
    EXPECT_EQ(TempFolder::Contents(path), "x");
}

TEST(AtomicFile, WritesThroughASymbolicLink) {
    TempFolder folder;
    const std::string real = folder.File("real.ini");
    const std::string link = folder.File("settings.ini");
    TempFolder::Write(real, OldContents);
    std::filesystem::create_symlink(real, link);
    EXPECT_TRUE(ReplaceFileAtomically(link, NewContents));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TempFolder::Contents(real), NewContents);
}

TEST(AtomicFile, LeavesReadOnlyFilesFoldersAndDirectoriesAlone) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes through any permission";
    }
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents));
    EXPECT_EQ(TempFolder::Contents(path), OldContents);

    chmod(path.c_str(), 0644);
    chmod(folder.Path().c_str(), 0555);
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents));
    chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(TempFolder::Contents(path), OldContents);
}

TEST(AtomicFile, NeverReplacesAFolderOfThatName) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    std::filesystem::create_directory(path);
    EXPECT_FALSE(ReplaceFileAtomically(path, NewContents));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(ReadWholeFile(path), std::nullopt);
}

TEST(AtomicFile, ReadsWholeFilesAndNothingForMissingOnes) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    EXPECT_EQ(ReadWholeFile(path), std::nullopt);
    const std::string binary("a\0b\xFF\r\n", 6);
    TempFolder::Write(path, binary);
    EXPECT_EQ(ReadWholeFile(path), binary);
}
