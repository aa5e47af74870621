#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>

#include "settings/SettingsFile.h"
#include "settings/TempFolder.h"

// What needs the POSIX file code itself: its calls, links of anyone's, limits on memory.
#ifndef _WIN32
#include <sys/resource.h>

#include "settings/files/posix/FileCalls.h"
#endif

namespace {
StoredSettings Parsed(const std::string& text) {
    return SettingsFile::Parse(ProfileDocument(text), 33, 44);
}
std::string Stored(const StoredSettings& settings, const std::string& before = "") {
    ProfileDocument document(before);
    SettingsFile::Store(document, settings);
    return document.Bytes();
}
}  // namespace

TEST(SettingsFile, NoFileGivesTheDefaultsAndTheWindowsPosition) {
    const StoredSettings s = Parsed("");
    EXPECT_EQ(s.Play.NumLumabels, 9);
    EXPECT_EQ(s.Play.NumClouds, 2);
    EXPECT_EQ(s.Play.Interval, 100);
    EXPECT_EQ(s.Play.Message, "Results");
    EXPECT_TRUE(s.Play.SoundOn);
    EXPECT_TRUE(s.System.RestoreRecord);
    EXPECT_FALSE(s.System.ClearRecord);
    EXPECT_TRUE(s.System.RestorePosition);
    EXPECT_FALSE(s.System.StayOnTop);
    EXPECT_EQ(s.RecordScore, 0);
    EXPECT_EQ(s.RecordTime, 0);
    EXPECT_EQ(s.Left, 33);
    EXPECT_EQ(s.Top, 44);
    EXPECT_FALSE(s.PositionStored);
}

TEST(SettingsFile, TellsWhetherThePositionCameFromTheFile) {
    // 0, 0 is a place like any other; only a missing or unreadable entry is no place.
    EXPECT_TRUE(Parsed("[Settings]\nOthers=1,2,0,0\n").PositionStored);
    EXPECT_TRUE(Parsed("[Settings]\nOthers=1,2,-5\n").PositionStored);
    EXPECT_TRUE(Parsed("[Settings]\nOthers=1,2,,7\n").PositionStored);
    EXPECT_FALSE(Parsed("[Settings]\nOthers=1,2\n").PositionStored);
    EXPECT_FALSE(Parsed("[Settings]\nOthers=1,2,x,\n").PositionStored);
    EXPECT_FALSE(Parsed("[Settings]\nPlayOptions=1,2,0,0\n").PositionStored);
    const StoredSettings half = Parsed("[Settings]\nOthers=1,2,,7\n");
    EXPECT_EQ(half.Left, 33);  // the missing entry keeps the window's own
    EXPECT_EQ(half.Top, 7);
}

TEST(SettingsFile, WritesTheThreeKeysInTheirOrder) {
    StoredSettings s;
    s.RecordScore = 57;
    s.RecordTime = 8430;
    s.Left = 120;
    s.Top = 96;
    EXPECT_EQ(Stored(s),
              "[Settings]\nPlayOptions=9,2,100,Results,1\nSystemOptions=1,0,1,0\n"
              "Others=57,8430,120,96\n");
}

TEST(SettingsFile, EntriesAreReadAsTheyAreAndClampedOnlyLater) {
    const StoredSettings s = Parsed("[Settings]\nPlayOptions=20,-3,0,,7\n");
    EXPECT_EQ(s.Play.NumLumabels, 20);
    EXPECT_EQ(s.Play.NumClouds, -3);
    EXPECT_EQ(s.Play.Interval, 0);
    EXPECT_EQ(s.Play.Message, "Results");
    EXPECT_TRUE(s.Play.SoundOn);
}

TEST(SettingsFile, MissingAndBadEntriesTakeTheirDefaultsOneByOne) {
    StoredSettings s = Parsed("[Settings]\nPlayOptions=12,0,250\n");
    EXPECT_EQ(s.Play.NumLumabels, 12);
    EXPECT_EQ(s.Play.NumClouds, 0);
    EXPECT_EQ(s.Play.Interval, 250);
    EXPECT_EQ(s.Play.Message, "Results");
    EXPECT_TRUE(s.Play.SoundOn);

    s = Parsed("[Settings]\nPlayOptions=many,3,50,Hi,0\n");
    EXPECT_EQ(s.Play.NumLumabels, 9);
    EXPECT_EQ(s.Play.NumClouds, 3);
    EXPECT_EQ(s.Play.Interval, 50);
    EXPECT_EQ(s.Play.Message, "Hi");
    EXPECT_FALSE(s.Play.SoundOn);

    s = Parsed("[Settings]\nPlayOptions= 7 , 1 , 30 \nOthers=x,5000,-10,-20,99\n");
    EXPECT_EQ(s.Play.NumLumabels, 7);
    EXPECT_EQ(s.Play.NumClouds, 1);
    EXPECT_EQ(s.Play.Interval, 30);
    EXPECT_EQ(s.RecordScore, 0);
    EXPECT_EQ(s.RecordTime, 5000);
    EXPECT_EQ(s.Left, -10);
    EXPECT_EQ(s.Top, -20);
}

TEST(SettingsFile, AnUnquotedTwoWordMessageSplits) {
    const StoredSettings s = Parsed("[Settings]\nPlayOptions=9,2,100,Well done,0\n");
    EXPECT_EQ(s.Play.Message, "Well");
    EXPECT_TRUE(s.Play.SoundOn);  // "done" is no number: the default stays
}

TEST(SettingsFile, FlagsAreTrueForAnyNumberButZero) {
    const StoredSettings s = Parsed("[Settings]\nSystemOptions=2,-1,0,$1\n");
    EXPECT_TRUE(s.System.RestoreRecord);
    EXPECT_TRUE(s.System.ClearRecord);
    EXPECT_FALSE(s.System.RestorePosition);
    EXPECT_TRUE(s.System.StayOnTop);
}

TEST(SettingsFile, MessagesRoundTrip) {
    for (const char* message :
         {"Results", "Well done", "say \"hi\"", "a,b", "caf\xC3\xA9", " pad "}) {
        StoredSettings s;
        s.Play.Message = message;
        EXPECT_EQ(Parsed(Stored(s)).Play.Message, message);
    }
    StoredSettings empty;
    empty.Play.Message = "";
    EXPECT_EQ(Stored(empty).find("PlayOptions=9,2,100,,1"), std::string("[Settings]\n").size());
    EXPECT_EQ(Parsed(Stored(empty)).Play.Message, "Results");
}

TEST(SettingsFile, AMessageWithALineBreakCannotDamageTheFile) {
    StoredSettings s;
    s.Play.Message = "line one\nline two";
    s.RecordScore = 5;
    const std::string text = Stored(s, "[Settings]\nPlayOptions=1\nSystemOptions=1\nOthers=1\n");
    const StoredSettings back = Parsed(text);
    EXPECT_EQ(back.Play.Message, "line one line two");
    EXPECT_EQ(back.RecordScore, 5);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
}

TEST(SettingsFile, OtherSectionsAndCommentsSurviveASave) {
    const std::string before =
        "; hand-written\n[Mine]\nA = 1\n\n[SETTINGS]\nOthers=1,2,3,4\nExtra=keep\n[Last]\nZ=z";
    StoredSettings s;
    const std::string after = Stored(s, before);
    EXPECT_EQ(after,
              "; hand-written\n[Mine]\nA = 1\n\n[SETTINGS]\nOthers=0,0,0,0\nExtra=keep\n"
              "PlayOptions=9,2,100,Results,1\nSystemOptions=1,0,1,0\n[Last]\nZ=z");
}

TEST(SettingsFile, WritesAndReadsARealFile) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, "[Keep]\r\nK=v\r\n");
    StoredSettings s;
    s.Play.NumLumabels = 12;
    s.System.StayOnTop = true;
    s.RecordScore = -4;
    s.Top = -96;
    ASSERT_TRUE(SettingsFile::Write(path, s));
    const StoredSettings back = SettingsFile::Read(path, 0, 0);
    EXPECT_EQ(back.Play.NumLumabels, 12);
    EXPECT_TRUE(back.System.StayOnTop);
    EXPECT_EQ(back.RecordScore, -4);
    EXPECT_EQ(back.Top, -96);
    EXPECT_EQ(TempFolder::Contents(path).rfind("[Keep]\r\nK=v\r\n[Settings]\r\n", 0), 0U);
}

TEST(SettingsFile, ASettingsFileThatIsAFolderIsNeitherReadNorReplaced) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    std::filesystem::create_directory(path);
    EXPECT_EQ(SettingsFile::Read(path, 1, 2).Left, 1);
    EXPECT_FALSE(SettingsFile::Write(path, StoredSettings{}));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(SettingsFile, BinaryGarbageReadsAsDefaults) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 7919) % 256);
    }
    const StoredSettings s = Parsed(garbage);
    EXPECT_EQ(s.Play.NumLumabels, 9);
    EXPECT_EQ(s.Left, 33);
}

TEST(SettingsFile, AFirstSaveMakesTheUsersConfigFolder) {
    TempFolder folder;
    const std::string path = folder.File("config/lumabels/settings.ini");
    ASSERT_TRUE(SettingsFile::Write(path, StoredSettings{}));
    EXPECT_EQ(TempFolder::Contents(path).rfind("[Settings]\nPlayOptions=", 0), 0U);
}

namespace {

const std::string Prepared = "[Settings]\nPlayOptions=12,0,250,Mine,0\nOthers=5,6000,77,66\n";

bool HasPreparedValues(const StoredSettings& s) {
    return s.Play.NumLumabels == 12 && s.Play.Message == "Mine" && !s.Play.SoundOn &&
           s.RecordScore == 5 && s.Left == 77;
}

bool HasDefaults(const StoredSettings& s, std::int32_t left) {
    return s.Play.NumLumabels == 9 && s.Play.Message == "Results" && s.Play.SoundOn &&
           s.RecordScore == 0 && s.Left == left;
}

#ifndef _WIN32
// Throws where a call would run out of memory.
class ThrowingCalls final : public FileCalls {
  public:
    enum class Where { Read, Rename };
    explicit ThrowingCalls(Where where) : where_(where) {}
    ssize_t Read(int fd, void* data, std::size_t size) override {
        if (where_ == Where::Read) {
            throw std::bad_alloc();
        }
        return FileCalls::Read(fd, data, size);
    }
    int Rename(const std::string& from, const std::string& to) override {
        if (where_ == Where::Rename) {
            throw std::bad_alloc();
        }
        return FileCalls::Rename(from, to);
    }

  private:
    Where where_;
};
#endif

// A file of `size` bytes that holds the prepared section at its end.
void WriteLargeFile(const std::string& path, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    out << std::string(size - Prepared.size() - 1, ';') << '\n' << Prepared;
}

}  // namespace

TEST(SettingsFile, UsesAFileUpToTheSizeLimit) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteLargeFile(path, SettingsFile::MaxBytes);
    EXPECT_TRUE(HasPreparedValues(SettingsFile::Read(path, 1, 2)));
    EXPECT_TRUE(SettingsFile::Write(path, StoredSettings{}));
}

TEST(SettingsFile, LeavesALargerFileAloneAndUsesTheDefaults) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteLargeFile(path, SettingsFile::MaxBytes + 1);
    const std::string before = TempFolder::Contents(path);
    EXPECT_TRUE(HasDefaults(SettingsFile::Read(path, 1, 2), 1));
    const WriteOutcome outcome = SettingsFile::Write(path, StoredSettings{});
    EXPECT_FALSE(outcome);
    EXPECT_NE(outcome.Problem().find("larger than 1024 KiB"), std::string::npos)
        << outcome.Problem();
    EXPECT_TRUE(TempFolder::Contents(path) == before);
    EXPECT_EQ(folder.EntryCount(), 1U);
}

TEST(SettingsFile, LeavesUtf16TextByteForByteAndUsesTheDefaults) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    // "[Settings]" and the rest in UTF-16, little and big endian.
    for (const bool little : {true, false}) {
        std::string text = little ? "\xFF\xFE" : "\xFE\xFF";
        for (const char c : Prepared) {
            text += little ? std::string{c, '\0'} : std::string{'\0', c};
        }
        TempFolder::Write(path, text);
        EXPECT_TRUE(HasDefaults(SettingsFile::Read(path, 1, 2), 1));
        const WriteOutcome outcome = SettingsFile::Write(path, StoredSettings{});
        EXPECT_FALSE(outcome);
        EXPECT_NE(outcome.Problem().find("UTF-16"), std::string::npos) << outcome.Problem();
        EXPECT_TRUE(TempFolder::Contents(path) == text);
        EXPECT_EQ(folder.EntryCount(), 1U);
    }
}

TEST(SettingsFile, ReadsTheFallbackOnlyWhileTheUsersFileIsMissing) {
    TempFolder folder;
    const std::string mine = folder.File("config/lumabels/settings.ini");
    const std::string beside = folder.File("settings.ini");
    TempFolder::Write(beside, Prepared);
    EXPECT_TRUE(HasPreparedValues(SettingsFile::ReadOrFallback(mine, beside, 1, 2)));
    EXPECT_TRUE(HasPreparedValues(SettingsFile::ReadOrFallback("", beside, 1, 2)));
    EXPECT_TRUE(HasDefaults(SettingsFile::ReadOrFallback(mine, "", 1, 2), 1));
    // Once the first save has made the user's file, that is what counts.
    ASSERT_TRUE(SettingsFile::Write(mine, StoredSettings{}));
    EXPECT_TRUE(HasDefaults(SettingsFile::ReadOrFallback(mine, beside, 1, 2), 0));
#ifndef _WIN32
    // So does anything else in its place: a link that leads nowhere is not "missing".
    std::filesystem::remove(mine);
    std::filesystem::create_symlink(folder.File("nowhere"), mine);
    EXPECT_TRUE(HasDefaults(SettingsFile::ReadOrFallback(mine, beside, 1, 2), 1));
#endif
    EXPECT_EQ(TempFolder::Contents(beside), Prepared);
}

#ifndef _WIN32
TEST(SettingsFile, KeepsEveryExceptionInsideLoadAndSave) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    TempFolder::Write(path, Prepared);
    ThrowingCalls reading(ThrowingCalls::Where::Read);
    EXPECT_TRUE(HasDefaults(SettingsFile::Read(path, 1, 2, reading), 1));
    EXPECT_FALSE(SettingsFile::Write(path, StoredSettings{}, reading));
    ThrowingCalls renaming(ThrowingCalls::Where::Rename);
    EXPECT_TRUE(HasPreparedValues(SettingsFile::Read(path, 1, 2, renaming)));
    EXPECT_FALSE(SettingsFile::Write(path, StoredSettings{}, renaming));
    EXPECT_EQ(TempFolder::Contents(path), Prepared);
}

#if defined(__SANITIZE_ADDRESS__)
#define LUMABELS_ADDRESS_SPACE_IS_RESERVED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMABELS_ADDRESS_SPACE_IS_RESERVED 1
#endif
#endif

namespace {

// Loads and saves in an address space that may grow by 64 MiB only, and exits with 0 when
// the load gave the defaults and the save was refused.
[[noreturn, maybe_unused]] void LoadAndSaveWithLittleMemory(const std::string& path) {
    std::ifstream status("/proc/self/status");
    std::string line;
    long vmSizeKb = 0;
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0) {
            vmSizeKb = std::atol(line.c_str() + 7);
        }
    }
    const rlim_t limit = static_cast<rlim_t>(vmSizeKb + 64 * 1024) * 1024;
    const rlimit bound{limit, limit};
    if (vmSizeKb == 0 || setrlimit(RLIMIT_AS, &bound) != 0) {
        std::_Exit(3);
    }
    const StoredSettings s = SettingsFile::Read(path, 1, 2);
    const bool saved = static_cast<bool>(SettingsFile::Write(path, s));
    std::_Exit(HasDefaults(s, 1) && !saved ? 0 : 4);
}

}  // namespace

// Loads and saves a 100 MB settings.ini in a child whose address space may grow by 64 MiB
// only: reading such a file whole would run out of memory there.
TEST(SettingsFileDeathTest, AHugeFileNeedsNoMemoryToSpeakOf) {
#ifdef LUMABELS_ADDRESS_SPACE_IS_RESERVED
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#else
    // Forked where it stands, the child loads and saves the parent's file, and the parent's
    // folder, which it alone removes, is the only one made.
    GTEST_FLAG_SET(death_test_style, "fast");
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    {
        std::ofstream out(path, std::ios::binary);
        const std::string block(1 << 20, ';');
        for (int i = 0; i < 100; ++i) {
            out << block;
        }
        out << Prepared;
    }
    const auto sizeBefore = std::filesystem::file_size(path);
    EXPECT_EXIT(LoadAndSaveWithLittleMemory(path), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(std::filesystem::file_size(path), sizeBefore);
#endif
}
#endif
