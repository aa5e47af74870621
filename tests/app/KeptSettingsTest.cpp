#include "settings/KeptSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "qt/desktop/QtTranslator.h"
#include "shell/ShellTexts.h"

#include "settings/TempFolder.h"

namespace {

// What the game tells the player after a save of `path`.
std::optional<std::string> WriteOrExplain(const std::string& path) {
    const WriteOutcome outcome = KeptSettings(path).Write();
    if (outcome) {
        return std::nullopt;
    }
    return NotSavedLine(path, outcome.Problem(), QtTranslator());
}

}  // namespace

TEST(KeptSettings, SaysOnceWhereAndWhyASaveFailed) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    std::filesystem::create_directory(path);
    EXPECT_EQ(WriteOrExplain(path), "lumabels: the settings were not saved in " + path +
                                        ": not a regular file, so left as it is");
    EXPECT_EQ(WriteOrExplain(""),
              "lumabels: the settings were not saved: no home folder is known to keep them in");
    const std::string good = folder.File("good.ini");
    EXPECT_EQ(WriteOrExplain(good), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_regular_file(good));
}

TEST(KeptSettings, APathThatLooksLikeAPlaceholderIsSaidAsItIs) {
    TempFolder folder;
    const std::string path = folder.File("%2 and %1");
    std::filesystem::create_directory(path);
    EXPECT_EQ(WriteOrExplain(path), "lumabels: the settings were not saved in " + path +
                                        ": not a regular file, so left as it is");
}
