#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "engine/sound/AppSound.h"
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

    AppPlayOptions options_;
};

TEST_F(SoundLibraryLoadTest, NothingLoadsSdlBeforeADeviceIsToOpen) {
    AppSound sound(LUMABELS_NOTE_DIR, options_);
    ASSERT_TRUE(AppSoundProbe::HasSound(sound));
    EXPECT_FALSE(SdlIsLoaded()) << "reading the notes loaded SDL";
    options_.SoundOn = false;
    sound.Hold();
    sound.Play(1);
    sound.Release();
    sound.Play(2);
    EXPECT_FALSE(SdlIsLoaded()) << "a player with sound off loaded SDL";
}

TEST_F(SoundLibraryLoadTest, APlayerWithoutItsNotesNeverLoadsSdl) {
    AppSound sound("/nonexistent-folder/", options_);
    sound.Hold();
    sound.Release();
    sound.Play(1);
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
    EXPECT_FALSE(SdlIsLoaded());
}

// Last: once loaded, SDL stays in this process.
TEST_F(SoundLibraryLoadTest, TheFirstDeviceLoadsSdlAndItStaysForTheNextGame) {
    AppSound sound(LUMABELS_NOTE_DIR, options_);
    ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, std::chrono::seconds(20)));
    EXPECT_TRUE(SdlIsLoaded());
    EXPECT_TRUE(sound.CloseIfIdle());
    EXPECT_TRUE(SdlIsLoaded());
    sound.Play(3);
    ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, std::chrono::seconds(20)));
    EXPECT_TRUE(AppSoundProbe::IsDeviceOpen(sound));
}

}  // namespace
