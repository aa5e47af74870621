#include <gtest/gtest.h>

#include <windows.h>

#include "settings/TempFolder.h"
#include "settings/files/windows/WideText.h"
#include "win32/desktop/ProgramPaths.h"

namespace {

TEST(ProgramPathsTest, PortableKeepsTheSettingsBesideTheExecutable) {
    const ProgramPaths paths =
        ResolveProgramPaths(PathFacts{L"D:\\Games\\J\u00fcrgen\\", L"C:\\AppData", false});
    EXPECT_EQ(paths.SettingsPath, "D:\\Games\\J\xc3\xbcrgen\\settings.ini");
    EXPECT_EQ(paths.SettingsFallbackPath, "");
    EXPECT_EQ(paths.SoundDir, "D:\\Games\\J\xc3\xbcrgen\\sound\\");
    EXPECT_EQ(paths.HelpPath, "D:\\Games\\J\xc3\xbcrgen\\help\\index.html");
}

TEST(ProgramPathsTest, InstalledKeepsThemInAppDataAndReadsTheOneBesideUntilThen) {
    const ProgramPaths paths = ResolveProgramPaths(
        PathFacts{L"C:\\Program Files\\Lumabels\\", L"C:\\Users\\\u5c71\u7530\\AppData", true});
    EXPECT_EQ(paths.SettingsPath,
              "C:\\Users\\\xe5\xb1\xb1\xe7\x94\xb0\\AppData\\Lumabels\\settings.ini");
    EXPECT_EQ(paths.SettingsFallbackPath, "C:\\Program Files\\Lumabels\\settings.ini");
    // With no application data folder known, nothing is saved, and nothing beside the exe.
    EXPECT_EQ(ResolveProgramPaths(PathFacts{L"C:\\x\\", L"", true}).SettingsPath, "");
}

TEST(ProgramPathsTest, AFolderIsInstalledWhenThePlayerMayNotWriteThere) {
    const TempFolder folder;
    const std::wstring path = WideFromUtf8(folder.File("")) + L"\\";
    EXPECT_FALSE(IsInstalledFolder(path));
    EXPECT_TRUE(IsInstalledFolder(path + L"no such folder\\"));
    const std::wstring settings = path + L"settings.ini";
    TempFolder::Write(folder.File("settings.ini"), "[Settings]\r\n");
    ASSERT_TRUE(SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(IsInstalledFolder(path));
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
