#include "app/KeptSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "settings/TempFolder.h"

TEST(KeptSettings, SaysOnceWhereAndWhyASaveFailed) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    std::filesystem::create_directory(path);
    std::ostringstream said;
    EXPECT_FALSE(KeptSettings(path).WriteOrSay(said));
    EXPECT_EQ(said.str(), "lumabels: the settings were not saved in " + path +
                              ": not a regular file, so left as it is\n");
    said.str("");
    EXPECT_FALSE(KeptSettings("").WriteOrSay(said));
    EXPECT_EQ(said.str(),
              "lumabels: the settings were not saved: no home folder is known to keep them in\n");
    said.str("");
    const std::string good = folder.File("good.ini");
    EXPECT_TRUE(KeptSettings(good).WriteOrSay(said));
    EXPECT_EQ(said.str(), "");
    EXPECT_TRUE(std::filesystem::is_regular_file(good));
}

TEST(KeptSettings, APathThatLooksLikeAPlaceholderIsSaidAsItIs) {
    TempFolder folder;
    const std::string path = folder.File("%2 and %1");
    std::filesystem::create_directory(path);
    std::ostringstream said;
    EXPECT_FALSE(KeptSettings(path).WriteOrSay(said));
    EXPECT_EQ(said.str(), "lumabels: the settings were not saved in " + path +
                              ": not a regular file, so left as it is\n");
}
