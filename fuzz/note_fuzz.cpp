// Any bytes as the note files. The player must stay silent for whatever it cannot play and
// never crash, leak or hang, whether the notes come from a stray file, a truncated copy or a
// hostile one.
//
// The input is every one of the seven notes, or, when it holds the separator below, the
// notes one after the other: a note the input leaves out has no file at all, which must leave
// the whole player silent. The sound goes to SDL's dummy driver, which needs no sound card
// and plays in real time, so one note is also given a moment to be heard.

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "FuzzCheck.h"
#include "qt/sound/AppSound.h"
#include "settings/AppPlayOptions.h"
#include "support/AppSoundProbe.h"
#include "support/NoteProgressWatch.h"

namespace {

constexpr std::string_view Separator = "|NOTE|";

std::filesystem::path& SoundFolder() {
    static std::filesystem::path folder;
    return folder;
}

void RemoveSoundFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(SoundFolder(), ignored);
}

std::vector<std::string_view> NotesOf(std::string_view input) {
    if (input.find(Separator) == std::string_view::npos) {
        return std::vector<std::string_view>(NoteCount, input);
    }
    std::vector<std::string_view> notes;
    while (notes.size() < static_cast<std::size_t>(NoteCount)) {
        const std::size_t at = input.find(Separator);
        notes.push_back(input.substr(0, at));
        if (at == std::string_view::npos) {
            break;
        }
        input.remove_prefix(at + Separator.size());
    }
    return notes;
}

void WriteNoteFiles(const std::vector<std::string_view>& notes) {
    for (int index = 0; index < NoteCount; ++index) {
        const std::filesystem::path file =
            SoundFolder() / ("note" + std::to_string(index + 1) + ".wav");
        if (static_cast<std::size_t>(index) >= notes.size()) {
            std::filesystem::remove(file);
            continue;
        }
        std::FILE* out = std::fopen(file.c_str(), "wb");
        Require(out != nullptr, "cannot write a note file", [&] { return file.string(); });
        const std::string_view bytes = notes[static_cast<std::size_t>(index)];
        Require(std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() &&
                    std::fclose(out) == 0,
                "cannot write a note file", [&] { return file.string(); });
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // Both spellings, for SDL 2 and for SDL 3 underneath it.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("SDL_AUDIO_DRIVER", "dummy", 1);

    std::string pattern = (std::filesystem::temp_directory_path() / "note_fuzz.XXXXXX").string();
    Require(mkdtemp(pattern.data()) != nullptr, "cannot make a folder for the notes",
            [&] { return pattern; });
    SoundFolder() = pattern;
    std::atexit(RemoveSoundFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> notes = NotesOf(input);
    WriteNoteFiles(notes);

    const AppPlayOptions options;  // sound on
    {
        NoteProgressWatch watch;
        AppSound sound(SoundFolder().string() + "/", options, &watch);
        const bool allNotes = notes.size() == static_cast<std::size_t>(NoteCount);
        Require(AppSoundProbe::HasSound(sound) == allNotes,
                "the player read notes it should not have, or not");
        Require(allNotes || !AppSoundProbe::IsDeviceOpen(sound),
                "a player without all its notes opened a device");

        (void)AppSoundProbe::DecodeNotes(sound);
        // A device takes some 20 ms to open and close, against a fraction of a millisecond for
        // the rest: one input in sixteen, by its last byte (a wave's first is always 'R'), plays
        // through one, so the decoding gets the runs.
        const unsigned last = size > 0 ? data[size - 1] : 0U;
        if (last % 16 == 0) {
            for (NoteNumber note = LowestNote; note <= HighestNote; ++note) {
                sound.Play(note);
            }
            for (const NoteNumber none : {NoNote, NoteNumber{8}, NoteNumber{-1}}) {
                sound.Play(none);
            }
            // One note for the device to play a little of, chosen by the input.
            sound.Play(static_cast<NoteNumber>(LowestNote + last / 16 % NoteCount));
            (void)watch.AwaitNoteProgress(64, std::chrono::milliseconds(30));
            // The device opens on a thread of its own, and one still opening when the player
            // goes is left to finish behind it; the dummy driver never hangs, so it must
            // settle first.
            Require(AppSoundProbe::AwaitDevice(sound, std::chrono::seconds(10)),
                    "the device neither opened nor failed");
        }
        sound.StopAll();
        Require(watch.AwaitSilence(std::chrono::milliseconds(0)), "a note sounds after StopAll");
    }
    Require(SDL_WasInit(SDL_INIT_AUDIO) == 0, "the player left SDL's audio subsystem running");
    return 0;
}
