#include <SDL.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "DiskAudioTest.h"
#include "WaveImage.h"
#include "qt/sound/AppSound.h"
#include "qt/sound/DeviceSampleRate.h"
#include "settings/AppPlayOptions.h"
#include "support/AppSoundProbe.h"

namespace {

using std::chrono::milliseconds;

// Long enough that it is still sounding whenever a test acts on it, however loaded the
// machine; tests that let it run stop it early.
constexpr std::size_t SecondFrames = DeviceSampleRate;
constexpr std::size_t LongNoteFrames = 3 * SecondFrames;

class AppSoundPlayTest : public DiskAudioTest {
  protected:
    void SetUp() override {
        DiskAudioTest::SetUp();
        WriteAllNotes();
    }

    AppPlayOptions options;
};

TEST_F(AppSoundPlayTest, EachNumberPlaysExactlyItsOwnFile) {
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        ASSERT_TRUE(AppSoundProbe::HasSound(sound));
        for (const NoteNumber note : {3, 1, 7, 2, 4, 5, 6}) {
            sound.Play(note);
            ASSERT_TRUE(watch.AwaitSilence(Patience));
        }
    }
    std::vector<int> notes;
    for (const HeardNote& heard : Heard()) {
        EXPECT_EQ(heard.Frames, Written(static_cast<NoteNumber>(heard.Note)).size())
            << "note " << heard.Note << " was not heard whole";
        notes.push_back(heard.Note);
    }
    EXPECT_EQ(notes, (std::vector<int>{3, 1, 7, 2, 4, 5, 6}));
}

TEST_F(AppSoundPlayTest, ANewNoteCutsOffTheSoundingOne) {
    WriteNote(1, Tone(1, LongNoteFrames));
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        sound.Play(1);
        ASSERT_TRUE(watch.AwaitNoteProgress(1024, Patience));
        sound.Play(2);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
    }
    const std::vector<HeardNote> heard = Heard();
    ASSERT_EQ(heard.size(), 2U);
    EXPECT_EQ(heard[0].Note, 1);
    EXPECT_GE(heard[0].Frames, 1024U);
    EXPECT_LT(heard[0].Frames, LongNoteFrames);
    EXPECT_EQ(heard[1], (HeardNote{2, heard[0].Start + heard[0].Frames, Written(2).size()}))
        << "note 2 must follow the cut at once and play whole";
}

TEST_F(AppSoundPlayTest, OtherNumbersPlayNothingAndStopNothing) {
    WriteNote(1, Tone(1, LongNoteFrames));
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        for (const NoteNumber note : {0, 8, -1, 127, -128}) {
            sound.Play(note);
        }
        EXPECT_TRUE(watch.AwaitSilence(milliseconds(0)));

        sound.Play(1);
        ASSERT_TRUE(watch.AwaitNoteProgress(1024, Patience));
        for (const NoteNumber note : {0, 8, -1, 127, -128}) {
            sound.Play(note);
        }
        EXPECT_FALSE(watch.AwaitSilence(milliseconds(0)));
        EXPECT_TRUE(watch.AwaitNoteProgress(4096, Patience)) << "note 1 was stopped";
    }
    const std::vector<HeardNote> heard = Heard();
    ASSERT_EQ(heard.size(), 1U);
    EXPECT_EQ(heard[0].Note, 1);
    EXPECT_GE(heard[0].Frames, 4096U);
}

TEST_F(AppSoundPlayTest, SoundOffStartsNothingAndLetsTheSoundingNotePlayOn) {
    WriteNote(1, Tone(1, SecondFrames / 4));
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        sound.Play(1);
        ASSERT_TRUE(watch.AwaitNoteProgress(512, Patience));
        options.SoundOn = false;
        sound.Play(2);
        EXPECT_FALSE(watch.AwaitSilence(milliseconds(0))) << "note 1 was cut off";
        ASSERT_TRUE(watch.AwaitSilence(Patience));
        sound.Play(3);
        EXPECT_TRUE(watch.AwaitSilence(milliseconds(0)));

        // The player reads the options at each Play, so switching back on works at once.
        options.SoundOn = true;
        sound.Play(4);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
    }
    const std::vector<HeardNote> heard = Heard();
    ASSERT_EQ(heard.size(), 2U);
    EXPECT_EQ(heard[0].Note, 1);
    EXPECT_EQ(heard[0].Frames, Written(1).size());
    EXPECT_EQ(heard[1].Note, 4);
    EXPECT_EQ(heard[1].Frames, Written(4).size());
}

TEST_F(AppSoundPlayTest, StopAllSilencesTheNoteAtOnce) {
    WriteNote(1, Tone(1, LongNoteFrames));
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        sound.Play(1);
        ASSERT_TRUE(watch.AwaitNoteProgress(1024, Patience));
        sound.StopAll();
        EXPECT_TRUE(watch.AwaitSilence(milliseconds(0)));
        EXPECT_FALSE(watch.AwaitNoteProgress(LongNoteFrames, Patience));

        sound.Play(2);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
    }
    const std::vector<HeardNote> heard = Heard();
    ASSERT_EQ(heard.size(), 2U);
    EXPECT_EQ(heard[0].Note, 1);
    EXPECT_LT(heard[0].Frames, LongNoteFrames);
    EXPECT_EQ(heard[1].Note, 2);
    EXPECT_EQ(heard[1].Frames, Written(2).size());
}

TEST_F(AppSoundPlayTest, DestroyingThePlayerMidNoteEndsCleanly) {
    WriteNote(1, Tone(1, LongNoteFrames));
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        sound.Play(1);
        ASSERT_TRUE(watch.AwaitNoteProgress(2048, Patience));
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U) << "the audio subsystem was left running";
    const std::vector<HeardNote> heard = Heard();
    ASSERT_EQ(heard.size(), 1U);
    EXPECT_EQ(heard[0].Note, 1);
    EXPECT_GE(heard[0].Frames, 2048U);
    EXPECT_LT(heard[0].Frames, LongNoteFrames);
}

TEST_F(AppSoundPlayTest, ANoteStoredInAnotherSampleFormatIsConvertedForTheDevice) {
    // Unsigned 8-bit samples at 200 stand for +0.5625 of full scale; played unconverted
    // they would come out as half as many frames of a loud negative value.
    constexpr std::size_t Frames = 1500;
    WriteFile("note5.wav", WaveImage(std::string(Frames, static_cast<char>(200)), 8));
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        sound.Play(5);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
    }
    std::vector<std::int16_t> played;
    for (const std::int16_t sample : Captured()) {
        if (sample != 0) {
            played.push_back(sample);
        }
    }
    ASSERT_EQ(played.size(), Frames);
    for (const std::int16_t sample : played) {
        ASSERT_NEAR(sample, 18432, 256);
    }
}

TEST_F(AppSoundPlayTest, ANoteAtFortyFourPointOneKilohertzIsConvertedToTheDevicesRate) {
    // A quarter of a second of a steady level, stored at CD rate: it must last a quarter of a
    // second at the device's rate too. Taken as it stands it would play short (or long) and
    // off pitch by the ratio of the two rates.
    constexpr std::uint32_t StoredRate = 44100;
    constexpr std::size_t StoredFrames = StoredRate / 4;
    constexpr std::int16_t Level = 8000;
    WriteFile("note5.wav",
              WaveImage(Pcm16(std::vector<std::int16_t>(StoredFrames, Level)), 16, StoredRate));
    {
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        sound.Play(5);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
    }
    // The resampler smooths the two edges over a few frames; the steady part is the note.
    std::size_t steady = 0;
    for (const std::int16_t sample : Captured()) {
        if (sample > Level / 2) {
            ++steady;
            ASSERT_NEAR(sample, Level, Level / 8);
        }
    }
    const std::size_t expected = SecondFrames / 4;
    EXPECT_NEAR(static_cast<double>(steady), static_cast<double>(expected), 16.0)
        << "stored as " << StoredFrames << " frames at " << StoredRate << " Hz";
}

}  // namespace
