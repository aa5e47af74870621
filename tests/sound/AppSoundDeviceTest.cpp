#include <SDL.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "DiskAudioTest.h"
#include "qt/sound/AppSound.h"
#include "qt/sound/DeviceSampleRate.h"
#include "settings/AppPlayOptions.h"
#include "support/AppSoundProbe.h"

namespace {

using std::chrono::milliseconds;

// A quarter of a second: long enough to act on while it sounds, short enough to let it end.
constexpr std::size_t SecondFrames = DeviceSampleRate;
constexpr std::size_t QuarterSecondFrames = SecondFrames / 4;
constexpr std::size_t LongNoteFrames = 3 * SecondFrames;

class AppSoundDeviceTest : public DiskAudioTest {
  protected:
    void SetUp() override {
        DiskAudioTest::SetUp();
        WriteAllNotes();
    }

    static bool AudioSubsystemUp() { return SDL_WasInit(SDL_INIT_AUDIO) != 0; }

    AppPlayOptions options;
};

TEST_F(AppSoundDeviceTest, ANewPlayerOpensNoDevice) {
    AppSound sound(SoundDir(), options, &watch);
    ASSERT_TRUE(AppSoundProbe::HasSound(sound));
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
    EXPECT_FALSE(AudioSubsystemUp());
}

TEST_F(AppSoundDeviceTest, HoldOpensTheDeviceBeforeAnyNoteAndKeepsItOpenWhenSilent) {
    {
        AppSound sound(SoundDir(), options, &watch);
        sound.Hold();
        EXPECT_TRUE(sound.IsHeld());
        ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
        ASSERT_TRUE(AppSoundProbe::IsDeviceOpen(sound));
        sound.Play(2);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
        EXPECT_FALSE(sound.CloseIfIdle()) << "a held device was closed";
        EXPECT_TRUE(AppSoundProbe::IsDeviceOpen(sound));
    }
    const std::vector<HeardNote> heard = Heard();
    ASSERT_EQ(heard.size(), 1U);
    EXPECT_EQ(heard[0].Note, 2);
    EXPECT_EQ(heard[0].Frames, Written(2).size());
}

TEST_F(AppSoundDeviceTest, AReleasedDeviceClosesOnlyOnceTheNoteHasEnded) {
    WriteNote(1, Tone(1, QuarterSecondFrames));
    {
        AppSound sound(SoundDir(), options, &watch);
        sound.Hold();
        ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
        sound.Play(1);
        ASSERT_TRUE(watch.AwaitNoteProgress(512, Patience));
        sound.Release();
        EXPECT_FALSE(sound.IsHeld());
        EXPECT_FALSE(sound.CloseIfIdle()) << "closed while the note sounded";
        EXPECT_TRUE(AppSoundProbe::IsDeviceOpen(sound));
        ASSERT_TRUE(watch.AwaitSilence(Patience));
        EXPECT_TRUE(sound.CloseIfIdle());
        EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
        ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
        EXPECT_FALSE(AudioSubsystemUp()) << "SDL's audio subsystem, and its thread, stayed up";
    }
    const std::vector<HeardNote> heard = Heard();
    ASSERT_EQ(heard.size(), 1U);
    EXPECT_EQ(heard[0].Note, 1);
    EXPECT_EQ(heard[0].Frames, Written(1).size()) << "the close cut the note short";
}

TEST_F(AppSoundDeviceTest, TimeLeftCountsWhatIsLeftOfTheSoundingNote) {
    WriteNote(1, Tone(1, LongNoteFrames));
    AppSound sound(SoundDir(), options, &watch);
    EXPECT_EQ(sound.TimeLeft(), milliseconds(0));
    ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
    sound.Play(1);
    ASSERT_TRUE(watch.AwaitNoteProgress(SecondFrames, Patience));
    // A second of the three has played; a buffer more may have gone since.
    EXPECT_LE(sound.TimeLeft(), milliseconds(2000));
    EXPECT_GT(sound.TimeLeft(), milliseconds(0));
    sound.StopAll();
    EXPECT_EQ(sound.TimeLeft(), milliseconds(0));
    EXPECT_TRUE(sound.CloseIfIdle());
}

TEST_F(AppSoundDeviceTest, SoundOffOrMissingNotesHoldNoDevice) {
    options.SoundOn = false;
    {
        AppSound sound(SoundDir(), options, &watch);
        sound.Hold();
        EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
        EXPECT_FALSE(AudioSubsystemUp());
    }
    options.SoundOn = true;
    std::filesystem::remove(SoundDir() + "note3.wav");
    AppSound silent(SoundDir(), options);
    silent.Hold();
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(silent));
    EXPECT_FALSE(AudioSubsystemUp());
}

TEST_F(AppSoundDeviceTest, ADeviceThatWouldNotOpenIsTriedAgainOnlyByTheNextGame) {
    UseAudioDriver("no-such-driver");
    AppSound sound(SoundDir(), options, &watch);
    sound.Hold();
    ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
    ASSERT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
    // An open may take as long as the sound server likes: no click asks again, in play or
    // after it.
    UseAudioDriver("disk");
    sound.Play(1);
    sound.Release();
    sound.Play(1);
    ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
    EXPECT_FALSE(AudioSubsystemUp());
    // The next game does.
    sound.Hold();
    ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
    EXPECT_TRUE(AppSoundProbe::IsDeviceOpen(sound));
}

TEST_F(AppSoundDeviceTest, TheFirstNoteAfterACloseOpensTheDeviceAgain) {
    const std::filesystem::path first = std::filesystem::path(SoundDir()) / "first.raw";
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        sound.Play(1);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
        ASSERT_TRUE(sound.CloseIfIdle());
        ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
        // The disk driver starts its file afresh at each open: keep what the first one heard.
        std::filesystem::rename(std::filesystem::path(SoundDir()) / "heard.raw", first);
        // The note asks for the device, and sounds only if it opens in time; the next one
        // finds it open.
        sound.Play(2);
        ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
        ASSERT_TRUE(AppSoundProbe::IsDeviceOpen(sound));
        sound.Play(2);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
    }
    EXPECT_GE(std::filesystem::file_size(first), Written(1).size() * 2);
    const std::vector<HeardNote> heard = Heard();
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().Note, 2);
    EXPECT_EQ(heard.back().Frames, Written(2).size());
}

}  // namespace
