#include <SDL.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>

#include "DiskAudioTest.h"
#include "WaveImage.h"
#include "engine/AppSound.h"
#include "settings/AppPlayOptions.h"

namespace {

using std::chrono::milliseconds;

class AppSoundLoadTest : public DiskAudioTest {
  protected:
    // Every note, then a moment to let anything that did start reach the capture.
    static void PlayEveryNote(AppSound& sound) {
        for (NoteNumber note = LowestNote; note <= HighestNote; ++note) {
            sound.Play(note);
            EXPECT_TRUE(sound.AwaitSilence(milliseconds(0))) << "note " << int{note};
        }
    }

    AppPlayOptions options_;
};

class MissingNoteFileTest : public AppSoundLoadTest, public ::testing::WithParamInterface<int> {};

TEST_P(MissingNoteFileTest, AnyMissingFileLeavesTheWholePlayerSilent) {
    WriteAllNotes();
    std::filesystem::remove(SoundDir() + "note" + std::to_string(GetParam()) + ".wav");
    {
        AppSound sound(SoundDir(), options_);
        EXPECT_FALSE(sound.HasSound());
        EXPECT_FALSE(sound.IsDeviceOpen());
        PlayEveryNote(sound);
        EXPECT_FALSE(sound.AwaitNoteProgress(1, milliseconds(0)));
    }
    EXPECT_TRUE(HeardNothing());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U);
}

INSTANTIATE_TEST_SUITE_P(EachNote, MissingNoteFileTest, ::testing::Range(1, 8),
                         [](const auto& info) { return "note" + std::to_string(info.param); });

TEST_F(AppSoundLoadTest, AFolderWhereANoteFileShouldBeLeavesThePlayerSilent) {
    WriteAllNotes();
    std::filesystem::remove(SoundDir() + "note6.wav");
    std::filesystem::create_directory(SoundDir() + "note6.wav");
    AppSound sound(SoundDir(), options_);
    EXPECT_FALSE(sound.HasSound());
    EXPECT_FALSE(sound.IsDeviceOpen());
}

struct DamagedImage {
    const char* Name;
    std::string (*Make)(const std::string& goodImage);
};
void PrintTo(const DamagedImage& image, std::ostream* out) {
    *out << image.Name;
}

class DamagedNoteFileTest : public AppSoundLoadTest,
                            public ::testing::WithParamInterface<DamagedImage> {};

TEST_P(DamagedNoteFileTest, OnlyThatNoteIsSilent) {
    WriteAllNotes();
    WriteFile("note4.wav", GetParam().Make(WaveImage(Pcm16(Tone(4, 2000)))));
    {
        AppSound sound(SoundDir(), options_);
        ASSERT_TRUE(sound.HasSound());
        sound.Play(3);
        ASSERT_TRUE(sound.IsDeviceOpen());
        ASSERT_TRUE(sound.AwaitSilence(Patience));
        sound.Play(4);
        EXPECT_TRUE(sound.AwaitSilence(milliseconds(0)));
        sound.Play(5);
        ASSERT_TRUE(sound.AwaitSilence(Patience));
    }
    const std::vector<HeardNote> heard = Heard();
    EXPECT_EQ(heard, (std::vector<HeardNote>{
                         {3, heard.empty() ? 0 : heard[0].Start, Written(3).size()},
                         {5, heard.size() < 2 ? 0 : heard[1].Start, Written(5).size()},
                     }));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedNoteFileTest,
    ::testing::Values(
        DamagedImage{"Empty", [](const std::string&) { return std::string(); }},
        DamagedImage{"NotAWave",
                     [](const std::string&) { return std::string("a note, honestly\n"); }},
        DamagedImage{"HeaderCutShort", [](const std::string& good) { return good.substr(0, 30); }},
        DamagedImage{"DataCutShort",
                     [](const std::string& good) { return good.substr(0, good.size() / 2); }},
        DamagedImage{"ChunkClaimsGigabytes",
                     [](const std::string& good) {
                         // The data chunk's length says 4 GiB; the file holds a few thousand
                         // bytes. Nothing may be sized by that claim.
                         std::string image = good;
                         const std::size_t data = image.find("data");
                         for (std::size_t i = 4; i < 8; ++i) {
                             image[data + i] = static_cast<char>(0xFF);
                         }
                         return image;
                     }},
        DamagedImage{"UnknownEncoding",
                     [](const std::string& good) {
                         std::string image = good;
                         image[20] = 0x55;  // a compressed encoding the player does not take
                         return image;
                     }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(AppSoundLoadTest, NoAudioDriverLeavesASilentPlayerThatStillWorks) {
    WriteAllNotes();
    UseAudioDriver("no-such-driver");
    {
        AppSound sound(SoundDir(), options_);
        EXPECT_TRUE(sound.HasSound());
        EXPECT_FALSE(sound.IsDeviceOpen());
        PlayEveryNote(sound);
        sound.StopAll();
    }
    EXPECT_TRUE(HeardNothing());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U);
}

TEST_F(AppSoundLoadTest, ADeviceThatWillNotOpenLeavesASilentPlayerAndNoSubsystemBehind) {
    WriteAllNotes();
    SendOutputTo(std::filesystem::path(SoundDir()) / "no-such-folder" / "heard.raw");
    {
        AppSound sound(SoundDir(), options_);
        EXPECT_TRUE(sound.HasSound());
        EXPECT_FALSE(sound.IsDeviceOpen());
        PlayEveryNote(sound);
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U);
}

}  // namespace
