#include "qt/process/KeptSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/TempFolder.h"

TEST(KeptSettings, SaysOnceWhereAndWhyASaveFailed) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    std::filesystem::create_directory(path);
    EXPECT_EQ(KeptSettings(path).WriteOrExplain(), "lumabels: the settings were not saved in " +
                                                       path +
                                                       ": not a regular file, so left as it is");
    EXPECT_EQ(KeptSettings("").WriteOrExplain(),
              "lumabels: the settings were not saved: no home folder is known to keep them in");
    const std::string good = folder.File("good.ini");
    EXPECT_EQ(KeptSettings(good).WriteOrExplain(), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_regular_file(good));
}

TEST(KeptSettings, APathThatLooksLikeAPlaceholderIsSaidAsItIs) {
    TempFolder folder;
    const std::string path = folder.File("%2 and %1");
    std::filesystem::create_directory(path);
    EXPECT_EQ(KeptSettings(path).WriteOrExplain(), "lumabels: the settings were not saved in " +
                                                       path +
                                                       ": not a regular file, so left as it is");
}
