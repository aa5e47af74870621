#pragma once

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "engine/NoteNumber.h"
#include "support/NoteProgressWatch.h"

// A stretch of the captured output that is one note played from its first sample on:
// Frames samples of that note, starting at sample Start of the capture. Note 0 marks
// samples that belong to no note at all.
struct HeardNote {
    int Note = 0;
    std::size_t Start = 0;
    std::size_t Frames = 0;

    friend bool operator==(const HeardNote&, const HeardNote&) = default;
};
void PrintTo(const HeardNote& heard, std::ostream* out);

// Base of the tests that listen to the player. Each test gets its own folder for notes and
// sends the sound through SDL's disk driver, which writes every sample it is given to a file
// in that folder, so the test reads back exactly what a listener would have heard.
class DiskAudioTest : public ::testing::Test {
  protected:
    // More than any test waits for; it only stops a broken build from hanging.
    static constexpr std::chrono::seconds Patience{20};

    void SetUp() override;
    void TearDown() override;

    // The folder as the player takes it, with its trailing '/'.
    std::string SoundDir() const;

    // Samples that tell which note they belong to and where in it they lie: note n keeps to
    // n * 4096 + 1 and up, and never to zero, which is what silence looks like.
    static std::vector<std::int16_t> Tone(NoteNumber note, std::size_t frames);

    // Writes noteN.wav as 16-bit mono at the device's rate, as the game's own notes are, and
    // remembers the samples for Heard.
    void WriteNote(NoteNumber note, const std::vector<std::int16_t>& samples);
    // All seven notes, each a little longer than the one before so none is mistaken.
    void WriteAllNotes();
    void WriteFile(const std::string& name, const std::string& bytes) const;
    const std::vector<std::int16_t>& Written(NoteNumber note) const;

    // Sets both the SDL 2 and the SDL 3 spelling, since either library may be underneath.
    static void UseAudioDriver(const std::string& driver);
    void SendOutputTo(const std::filesystem::path& file) const;

    // What the device was given; read it only once the player is gone and the file closed.
    std::vector<std::int16_t> Captured() const;
    // The capture as notes, silence left out.
    std::vector<HeardNote> Heard() const;
    bool HeardNothing() const;

    // Hand it to the player under test to await its device instead of sleeping.
    NoteProgressWatch watch;

  private:
    std::filesystem::path folder_;
    std::array<std::vector<std::int16_t>, NoteCount> written_;
};
