#include <SDL.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <ostream>
#include <string>

#include "DiskAudioTest.h"
#include "WaveImage.h"
#include "qt/sound/AppSound.h"
#include "settings/AppPlayOptions.h"
#include "support/AppSoundProbe.h"

namespace {

using std::chrono::milliseconds;

class AppSoundLoadTest : public DiskAudioTest {
  protected:
    // Every note, then a moment to let anything that did start reach the capture.
    void PlayEveryNote(AppSound& sound) const {
        for (NoteNumber note = LowestNote; note <= HighestNote; ++note) {
            sound.Play(note);
            EXPECT_TRUE(watch.AwaitSilence(milliseconds(0))) << "note " << int{note};
        }
    }

    AppPlayOptions options;
};

class MissingNoteFileTest : public AppSoundLoadTest, public ::testing::WithParamInterface<int> {};

TEST_P(MissingNoteFileTest, AnyMissingFileLeavesTheWholePlayerSilent) {
    WriteAllNotes();
    std::filesystem::remove(SoundDir() + "note" + std::to_string(GetParam()) + ".wav");
    {
        AppSound sound(SoundDir(), options, &watch);
        EXPECT_FALSE(AppSoundProbe::HasSound(sound));
        EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
        PlayEveryNote(sound);
        EXPECT_FALSE(watch.AwaitNoteProgress(1, milliseconds(0)));
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
    AppSound sound(SoundDir(), options, &watch);
    EXPECT_FALSE(AppSoundProbe::HasSound(sound));
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
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
        AppSound sound(SoundDir(), options, &watch);
        ASSERT_TRUE(AppSoundProbe::HasSound(sound));
        ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
        sound.Play(3);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
        sound.Play(4);
        EXPECT_TRUE(watch.AwaitSilence(milliseconds(0)));
        sound.Play(5);
        ASSERT_TRUE(watch.AwaitSilence(Patience));
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
        DamagedImage{"NoSamples",
                     [](const std::string&) {
                         // A sound header and an empty data chunk, at a rate that has to be
                         // converted: there is nothing to convert.
                         return WaveImage(std::string(), 16, 22050);
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
        AppSound sound(SoundDir(), options, &watch);
        EXPECT_TRUE(AppSoundProbe::HasSound(sound));
        EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
        PlayEveryNote(sound);
        ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
        sound.StopAll();
    }
    EXPECT_TRUE(HeardNothing());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U);
}

class UnusableSoundLibraryTest : public AppSoundLoadTest,
                                 public ::testing::WithParamInterface<const char*> {};

TEST_P(UnusableSoundLibraryTest, LeavesASilentPlayerThatStillWorks) {
    WriteAllNotes();
    {
        AppSound sound(SoundDir(), options, &watch, GetParam());
        EXPECT_TRUE(AppSoundProbe::HasSound(sound));
        sound.Hold();
        EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
        sound.Release();
        PlayEveryNote(sound);
        EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
        EXPECT_EQ(sound.TimeLeft(), milliseconds(0));
        EXPECT_TRUE(sound.CloseIfIdle());
        sound.StopAll();
    }
    EXPECT_TRUE(HeardNothing());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnusableSoundLibraryTest,
    // One that is not there, and one that is there but is not SDL: it lacks the functions.
    ::testing::Values("liblumabels-no-such-sound-library.so.0", "libm.so.6"),
    [](const auto& info) { return std::string(info.index == 0 ? "Missing" : "NotSdl"); });

TEST_F(AppSoundLoadTest, ADeviceThatWillNotOpenLeavesASilentPlayerAndNoSubsystemBehind) {
    WriteAllNotes();
    SendOutputTo(std::filesystem::path(SoundDir()) / "no-such-folder" / "heard.raw");
    {
        AppSound sound(SoundDir(), options, &watch);
        EXPECT_TRUE(AppSoundProbe::HasSound(sound));
        EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
        PlayEveryNote(sound);
        ASSERT_TRUE(AppSoundProbe::AwaitDevice(sound, Patience));
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0U);
}

// A note of `seconds` plus `extraFrames` at `rate`, 8-bit mono: small files, long sounds.
std::string LongNote(std::uint32_t rate, std::uint32_t seconds, std::uint32_t extraFrames) {
    std::string data(static_cast<std::size_t>(rate) * seconds + extraFrames, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<char>(i % 2 == 0 ? 0x40 : 0xC0);  // a loud square wave
    }
    return WaveImage(data, 8, rate, 1);
}

TEST_F(AppSoundLoadTest, ANoteOfUpToFiveSecondsPlaysAndALongerOneIsRefused) {
    WriteAllNotes();
    WriteFile("note2.wav", LongNote(8000, 5, 0));
    WriteFile("note6.wav", LongNote(8000, 5, 1));
    AppSound sound(SoundDir(), options, &watch);
    ASSERT_TRUE(AppSoundProbe::HasSound(sound));
    ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
    sound.Play(6);
    EXPECT_TRUE(watch.AwaitSilence(milliseconds(0))) << "the note over five seconds sounds";
    sound.Play(2);
    EXPECT_TRUE(watch.AwaitNoteProgress(512, Patience)) << "the five-second note is silent";
    sound.StopAll();
}

TEST_F(AppSoundLoadTest, ALowSampleRateCannotMakeASmallFileHoursLong) {
    // A hundred samples a second: 60,000 bytes are ten minutes, which at the device's rate
    // would be over 50 MB of samples.
    WriteAllNotes();
    WriteFile("note5.wav", LongNote(100, 600, 0));
    AppSound sound(SoundDir(), options, &watch);
    ASSERT_TRUE(AppSoundProbe::HasSound(sound));
    ASSERT_TRUE(AppSoundProbe::OpenDevice(sound, Patience));
    sound.Play(5);
    EXPECT_TRUE(watch.AwaitSilence(milliseconds(0)));
    sound.Play(4);
    EXPECT_TRUE(watch.AwaitNoteProgress(512, Patience));
    sound.StopAll();
}

TEST_F(AppSoundLoadTest, ANoteFileOverAMebibyteLeavesThePlayerSilent) {
    WriteAllNotes();
    // A playable image with an unknown chunk that brings it one byte past the limit.
    std::string image = WaveImage(Pcm16(Tone(3, 2000)));
    const std::size_t padding = 1024 * 1024 + 1 - image.size() - 8;
    image += "junk";
    for (int i = 0; i < 4; ++i) {
        image += static_cast<char>((padding >> (8 * i)) & 0xFFU);
    }
    image += std::string(padding, '\0');
    ASSERT_EQ(image.size(), 1024U * 1024U + 1U);
    WriteFile("note3.wav", image);
    AppSound sound(SoundDir(), options, &watch);
    EXPECT_FALSE(AppSoundProbe::HasSound(sound));
    EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(sound));
}

TEST_F(AppSoundLoadTest, AFifoOrADeviceInPlaceOfANoteNeverHoldsUpTheStart) {
    WriteAllNotes();
    const std::string fifo = SoundDir() + "note3.wav";
    std::filesystem::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const char* device : {"", "/dev/zero"}) {
        const std::string note7 = SoundDir() + "note7.wav";
        if (*device != 0) {
            std::filesystem::remove(fifo);
            WriteAllNotes();
            std::filesystem::remove(note7);
            std::filesystem::create_symlink(device, note7);
        }
        auto loading = std::async(
            std::launch::async, [this] { return std::make_unique<AppSound>(SoundDir(), options); });
        if (loading.wait_for(Patience) != std::future_status::ready) {
            // Let the stuck start go, so the test can end and report.
            close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
            FAIL() << "the start waited on " << (*device != 0 ? device : "a FIFO");
        }
        const std::unique_ptr<AppSound> sound = loading.get();
        EXPECT_FALSE(AppSoundProbe::HasSound(*sound)) << device;
        EXPECT_FALSE(AppSoundProbe::IsDeviceOpen(*sound)) << device;
    }
}

}  // namespace
