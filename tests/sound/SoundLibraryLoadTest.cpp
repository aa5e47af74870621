#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "qt/sound/AppSound.h"
#include "settings/AppPlayOptions.h"
#include "support/AppSoundProbe.h"

// This program does not link SDL, as the game does not: whether the library is in the process
// is what the player alone decided. Once loaded, SDL stays until the program ends, so the test
// that loads it comes last.
namespace {

bool SdlIsLoaded() {
    void* const handle = dlopen(AppSound::SdlLibraryName, RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr) {
        return false;
    }
    dlclose(handle);
    return true;
}

class SoundLibraryLoadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Both spellings, for SDL 2 and for SDL 3 underneath it.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("SDL_AUDIO_DRIVER", "dummy", 1);
        ASSERT_FALSE(SdlIsLoaded()) << "something else in this program loaded SDL";
    }

    AppPlayOptions options;
};

TEST_F(SoundLibraryLoadTest, NothingLoadsSdlBeforeADeviceIsToOpen) {
    AppSound sound(LUMABELS_NOTE_DIR, options);
    ASSERT_TRUE(AppSoundProbe::HasSound(sound));
    EXPECT_FALSE(SdlIsLoaded()) << "reading the notes loaded SDL";
    options.SoundOn = false;
    sound.Hold();
    sound.Play(1);
    sound.Release();
    sound.Play(2);
    EXPECT_FALSE(SdlIsLoaded()) << "a player with sound off loaded SDL";
}

TEST_F(SoundLibraryLoadTest, APlayerWithoutItsNotesNeverLoadsSdl) {
    AppSound sound("/nonexistent-folder/", options);
    sound.Hold();
    sound.Release();
    sound.Play(1);
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
    EXPECT_FALSE(SdlIsLoaded());
}

// The packages named in a Depends field, without their version bounds or alternatives.
std::vector<std::string> DependedPackages(const std::string& depends) {
    std::vector<std::string> names;
    std::istringstream fields(depends);
    std::string field;
    while (std::getline(fields, field, ',')) {
        std::istringstream words(field);
        std::string name;
        if (words >> name) {
            names.push_back(name.substr(0, name.find_first_of("(|:")));
        }
    }
    return names;
}

// The names of the files the installed package puts on the system, as dpkg lists them.
std::vector<std::string> InstalledFileNames(const std::string& package) {
    const std::string command = "dpkg-query -L '" + package + "' 2>/dev/null";
    const std::unique_ptr<FILE, int (*)(FILE*)> listing(popen(command.c_str(), "r"), pclose);
    std::vector<std::string> names;
    char line[4096];
    while (listing && std::fgets(line, sizeof line, listing.get()) != nullptr) {
        std::string path(line);
        path.erase(path.find_last_not_of('\n') + 1);
        names.push_back(std::filesystem::path(path).filename().string());
    }
    return names;
}

// A name that only a development package provides (libSDL2.so) loads here, where the tests are
// built, and leaves a player's machine silent.
TEST(SoundLibraryName, IsAFileThatAPackageTheGameDependsOnInstalls) {
    const std::vector<std::string> packages = DependedPackages(LUMABELS_PACKAGE_DEPENDS);
    if (packages.empty() || std::system("command -v dpkg-query >/dev/null") != 0) {
        GTEST_SKIP() << "no Debian package to check against";
    }
    bool listed = false;
    for (const std::string& package : packages) {
        for (const std::string& name : InstalledFileNames(package)) {
            listed = listed || name == AppSound::SdlLibraryName;
        }
    }
    EXPECT_TRUE(listed) << AppSound::SdlLibraryName << " is in none of "
                        << LUMABELS_PACKAGE_DEPENDS;
}

// Last: once loaded, SDL stays in this process.
TEST_F(SoundLibraryLoadTest, TheFirstDeviceLoadsSdlAndItStaysForTheNextGame) {
    AppSound sound(LUMABELS_NOTE_DIR, options);
    ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, std::chrono::seconds(20)));
    EXPECT_TRUE(SdlIsLoaded());
    EXPECT_TRUE(sound.CloseIfIdle());
    EXPECT_TRUE(SdlIsLoaded());
    sound.Play(3);
    ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, std::chrono::seconds(20)));
    EXPECT_TRUE(AppSoundProbe::IsDeviceOpen(sound));
}

}  // namespace
