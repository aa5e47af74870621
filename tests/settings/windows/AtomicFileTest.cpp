#include <gtest/gtest.h>

#include <filesystem>
#include <new>

#include "settings/SettingsFile.h"
#include "settings/TempFolder.h"
#include "settings/files/AtomicFile.h"
#include "settings/files/windows/FileCalls.h"

namespace {

// Fails the chosen call as a full disk or a dying machine would, or throws as a call out of
// memory would.
class FailingCalls final : public FileCalls {
  public:
    enum class Step { CreateNew, Write, ShortWrite, Flush, Close, Replace, Move, Throw };
    explicit FailingCalls(Step failing) : failing_(failing) {}

    HANDLE CreateNew(const std::wstring& path) override {
        if (failing_ == Step::Throw) {
            throw std::bad_alloc();
        }
        return Fail(Step::CreateNew) ? INVALID_HANDLE_VALUE : FileCalls::CreateNew(path);
    }
    bool Write(HANDLE file, const void* data, DWORD size, DWORD& written) override {
        if (failing_ == Step::ShortWrite && !wrote_) {
            // Half goes out, then the disk is full.
            wrote_ = true;
            return FileCalls::Write(file, data, size / 2, written);
        }
        return !Fail(Step::Write) && !Fail(Step::ShortWrite) &&
               FileCalls::Write(file, data, size, written);
    }
    bool Flush(HANDLE file) override { return !Fail(Step::Flush) && FileCalls::Flush(file); }
    bool Close(HANDLE file) override {
        const bool closed = FileCalls::Close(file);
        return !Fail(Step::Close) && closed;
    }
    bool Replace(const std::wstring& target, const std::wstring& replacement) override {
        return !Fail(Step::Replace) && FileCalls::Replace(target, replacement);
    }
    bool Move(const std::wstring& from, const std::wstring& to) override {
        return !Fail(Step::Move) && FileCalls::Move(from, to);
    }

  private:
    bool Fail(Step step) const {
        if (failing_ == step) {
            // A folder the user may not write refuses the new file; anything later, a full disk.
            SetLastError(step == Step::CreateNew ? ERROR_ACCESS_DENIED : ERROR_DISK_FULL);
        }
        return failing_ == step;
    }
    Step failing_;
    bool wrote_ = false;
};

const std::string OldContents = "[Settings]\r\nPlayOptions=12,0,250,Old,1\r\n";
const std::string NewContents =
    "[Settings]\r\nPlayOptions=9,2,100,New,1\r\n" + std::string(10000, ';') + "\r\n";

}  // namespace

class WindowsAtomicFileTest : public ::testing::TestWithParam<FailingCalls::Step> {
  protected:
    TempFolder folder;
};

TEST_P(WindowsAtomicFileTest, AFailedStepLeavesTheOldFileWholeAndNoLitter) {
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
    static const char* const names[] = {"CreateNew", "Write",   "ShortWrite", "Flush",
                                        "Close",     "Replace", "Move",       "Throw"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryStep, WindowsAtomicFileTest,
                         ::testing::Values(FailingCalls::Step::CreateNew, FailingCalls::Step::Write,
                                           FailingCalls::Step::ShortWrite,
                                           FailingCalls::Step::Flush, FailingCalls::Step::Close,
                                           FailingCalls::Step::Replace, FailingCalls::Step::Throw),
                         StepName);

// ReplaceFileW can fail after removing the old file, before renaming the new one.
class ReplaceLosingTheTarget final : public FileCalls {
  public:
    bool Replace(const std::wstring& target, const std::wstring&) override {
        DeleteFileW(target.c_str());
        SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
        return false;
    }
};

TEST(WindowsAtomicFile, TheNewFileTakesThePlaceOfAnOldOneRemovedByAFailedReplace) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    ReplaceLosingTheTarget calls;
    EXPECT_TRUE(ReplaceFileAtomically(path, NewContents, calls));
    EXPECT_EQ(TempFolder::Contents(path), NewContents);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

TEST(WindowsAtomicFile, AFailedFirstSaveLeavesNothing) {
    TempFolder folder;
    FailingCalls calls(FailingCalls::Step::Move);
    EXPECT_FALSE(ReplaceFileAtomically(folder.File("settings.ini"), NewContents, calls));
    EXPECT_EQ(folder.EntryCount(), 0U);
}

TEST(WindowsAtomicFile, ReplacesAFileByteForByte) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    ASSERT_TRUE(ReplaceFileAtomically(path, NewContents));
    EXPECT_EQ(TempFolder::Contents(path), NewContents);
    EXPECT_EQ(ReadWholeFile(path, 1 << 20).Bytes, NewContents);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

TEST(WindowsAtomicFile, LeavesAReadOnlyFileAlone) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, OldContents);
    ASSERT_TRUE(SetFileAttributesW(std::filesystem::path(path).c_str(), FILE_ATTRIBUTE_READONLY));
    const WriteOutcome outcome = ReplaceFileAtomically(path, NewContents);
    EXPECT_FALSE(outcome);
    EXPECT_NE(outcome.Problem().find("read-only"), std::string::npos) << outcome.Problem();
    EXPECT_EQ(TempFolder::Contents(path), OldContents);
    SetFileAttributesW(std::filesystem::path(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

TEST(WindowsAtomicFile, SavesAndReadsInFoldersWithNamesBeyondAscii) {
    TempFolder folder;
    for (const char* name : {"J\xC3\xBCrgen", "\xE5\xB1\xB1\xE7\x94\xB0"}) {  // Jürgen, 山田
        const std::string path = folder.File(name) + "\\Lumabels\\settings.ini";
        StoredSettings settings;
        settings.RecordScore = 42;
        const WriteOutcome outcome = SettingsFile::Write(path, settings);
        ASSERT_TRUE(outcome) << name << ": " << outcome.Problem();
        EXPECT_EQ(SettingsFile::Read(path, 0, 0).RecordScore, 42) << name;
    }
    // The folders are there under their own names, as Windows spells them in UTF-16.
    EXPECT_TRUE(
        std::filesystem::exists(folder.Path() / L"J\u00FCrgen" / L"Lumabels" / L"settings.ini"));
    EXPECT_TRUE(
        std::filesystem::exists(folder.Path() / L"\u5C71\u7530" / L"Lumabels" / L"settings.ini"));
    EXPECT_EQ(folder.EntryCount(), 2U);
}
