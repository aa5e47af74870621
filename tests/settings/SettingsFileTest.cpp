#include <gtest/gtest.h>

#include <algorithm>

#include "settings/SettingsFile.h"
#include "settings/TempFolder.h"

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
