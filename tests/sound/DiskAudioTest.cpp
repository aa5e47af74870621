#include "DiskAudioTest.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "WaveImage.h"

namespace {

const char* const OutputFileName = "heard.raw";

std::string FolderNameForCurrentTest() {
    const auto* const info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("lumabels-sound-") + info->test_suite_name() + "-" +
                       info->name() + "-" + std::to_string(::getpid());
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)) && c != '-'; }, '_');
    return name;
}

}  // namespace

void PrintTo(const HeardNote& heard, std::ostream* out) {
    *out << "{note " << heard.Note << ", at " << heard.Start << ", " << heard.Frames << " frames}";
}

void DiskAudioTest::SetUp() {
    folder_ = std::filesystem::temp_directory_path() / FolderNameForCurrentTest();
    std::filesystem::remove_all(folder_);
    ASSERT_TRUE(std::filesystem::create_directories(folder_));
    UseAudioDriver("disk");
    SendOutputTo(folder_ / OutputFileName);
    // The driver's own pace, one buffer per buffer's worth of time, keeps a long note
    // sounding long enough for the test to act while it plays.
    ::unsetenv("SDL_DISKAUDIODELAY");
    // The disk driver warns on every open that it is no real device, which these tests know.
    SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);
}

void DiskAudioTest::TearDown() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string DiskAudioTest::SoundDir() const {
    return folder_.string() + "/";
}

std::vector<std::int16_t> DiskAudioTest::Tone(NoteNumber note, std::size_t frames) {
    std::vector<std::int16_t> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        samples[i] = static_cast<std::int16_t>(note * 4096 + 1 + (i * 37) % 4001);
    }
    return samples;
}

void DiskAudioTest::WriteNote(NoteNumber note, const std::vector<std::int16_t>& samples) {
    written_[note - LowestNote] = samples;
    WriteFile("note" + std::to_string(note) + ".wav", WaveImage(Pcm16(samples)));
}

void DiskAudioTest::WriteAllNotes() {
    for (NoteNumber note = LowestNote; note <= HighestNote; ++note) {
        WriteNote(note, Tone(note, 1500 + 100 * note));
    }
}

void DiskAudioTest::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.flush()) << name;
}

const std::vector<std::int16_t>& DiskAudioTest::Written(NoteNumber note) const {
    return written_[note - LowestNote];
}

void DiskAudioTest::UseAudioDriver(const std::string& driver) {
    ::setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
    ::setenv("SDL_AUDIO_DRIVER", driver.c_str(), 1);
}

void DiskAudioTest::SendOutputTo(const std::filesystem::path& file) const {
    ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    ::setenv("SDL_AUDIO_DISK_OUTPUT_FILE", file.c_str(), 1);
}

std::vector<std::int16_t> DiskAudioTest::Captured() const {
    std::ifstream in(folder_ / OutputFileName, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::copy_n(bytes.data(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
    return samples;
}

std::vector<HeardNote> DiskAudioTest::Heard() const {
    const std::vector<std::int16_t> captured = Captured();
    std::vector<HeardNote> heard;
    std::size_t at = 0;
    while (at < captured.size()) {
        if (captured[at] == 0) {
            ++at;
            continue;
        }
        HeardNote run{0, at, 0};
        for (NoteNumber note = LowestNote; note <= HighestNote && run.Frames == 0; ++note) {
            const std::vector<std::int16_t>& samples = Written(note);
            const std::size_t room = std::min(samples.size(), captured.size() - at);
            const auto differ =
                std::mismatch(samples.begin(), samples.begin() + room, captured.begin() + at);
            run.Note = note;
            run.Frames = static_cast<std::size_t>(differ.first - samples.begin());
        }
        if (run.Frames > 0) {
            heard.push_back(run);
            at += run.Frames;
            continue;
        }
        // A sample that starts no note: gather it with any stray ones just before it.
        if (heard.empty() || heard.back().Note != 0 ||
            heard.back().Start + heard.back().Frames != at) {
            heard.push_back({0, at, 0});
        }
        ++heard.back().Frames;
        ++at;
    }
    return heard;
}

bool DiskAudioTest::HeardNothing() const {
    const std::vector<std::int16_t> captured = Captured();
    return std::all_of(captured.begin(), captured.end(), [](std::int16_t s) { return s == 0; });
}
