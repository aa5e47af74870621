#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "engine/NoteVoice.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Counting(std::size_t length, std::uint8_t first) {
    Bytes bytes(length);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

// Renders into a buffer full of a non-silent byte, so stale bytes cannot pass for silence.
Bytes Render(NoteVoice& voice, std::size_t length) {
    Bytes stream(length, 0xA5);
    voice.Render(stream.data(), stream.size());
    return stream;
}

Bytes Silence(std::size_t length) {
    return Bytes(length, 0);
}

TEST(NoteVoiceTest, AFreshVoiceRendersSilence) {
    NoteVoice voice;
    EXPECT_FALSE(voice.IsSounding());
    EXPECT_EQ(Render(voice, 16), Silence(16));
}

TEST(NoteVoiceTest, PlaysTheNoteAcrossBuffersThenSilence) {
    const Bytes note = Counting(10, 1);
    NoteVoice voice;
    voice.Start(note.data(), note.size());
    EXPECT_TRUE(voice.IsSounding());

    EXPECT_EQ(Render(voice, 4), (Bytes{1, 2, 3, 4}));
    EXPECT_TRUE(voice.IsSounding());
    EXPECT_EQ(voice.Position(), 4U);

    EXPECT_EQ(Render(voice, 8), (Bytes{5, 6, 7, 8, 9, 10, 0, 0}));
    EXPECT_FALSE(voice.IsSounding());
    EXPECT_EQ(voice.Position(), 10U);

    EXPECT_EQ(Render(voice, 8), Silence(8));
    EXPECT_EQ(voice.Position(), 10U);
}

TEST(NoteVoiceTest, ANoteEndingOnABufferEdgeLeavesNothingBehind) {
    const Bytes note = Counting(8, 1);
    NoteVoice voice;
    voice.Start(note.data(), note.size());
    EXPECT_EQ(Render(voice, 8), note);
    EXPECT_FALSE(voice.IsSounding());
    EXPECT_EQ(Render(voice, 8), Silence(8));
}

TEST(NoteVoiceTest, ANewNoteCutsOffTheSoundingOneAndStartsFromItsBeginning) {
    const Bytes first = Counting(100, 1);
    const Bytes second = Counting(6, 200);
    NoteVoice voice;
    voice.Start(first.data(), first.size());
    EXPECT_EQ(Render(voice, 3), (Bytes{1, 2, 3}));

    voice.Start(second.data(), second.size());
    EXPECT_EQ(voice.Position(), 0U);
    EXPECT_EQ(Render(voice, 8), (Bytes{200, 201, 202, 203, 204, 205, 0, 0}));
    EXPECT_EQ(Render(voice, 4), Silence(4));
}

TEST(NoteVoiceTest, StopSilencesAtOnceAndKeepsHowFarTheNoteGot) {
    const Bytes note = Counting(10, 1);
    NoteVoice voice;
    voice.Start(note.data(), note.size());
    Render(voice, 4);
    voice.Stop();
    EXPECT_FALSE(voice.IsSounding());
    EXPECT_EQ(voice.Position(), 4U);
    EXPECT_EQ(Render(voice, 8), Silence(8));
}

TEST(NoteVoiceTest, AnEmptyOrMissingNoteStartsNothingButStillCutsOff) {
    const Bytes note = Counting(10, 1);
    NoteVoice voice;
    voice.Start(note.data(), note.size());
    voice.Start(note.data(), 0);
    EXPECT_FALSE(voice.IsSounding());
    EXPECT_EQ(Render(voice, 4), Silence(4));

    voice.Start(note.data(), note.size());
    voice.Start(nullptr, 10);
    EXPECT_FALSE(voice.IsSounding());
    EXPECT_EQ(Render(voice, 4), Silence(4));
}

TEST(NoteVoiceTest, OddBufferAndNoteLengthsReassembleTheNoteExactly) {
    const Bytes note = Counting(1001, 7);
    NoteVoice voice;
    voice.Start(note.data(), note.size());

    Bytes heard;
    for (std::size_t length = 1; heard.size() < note.size() + 50; length += 6) {
        const Bytes part = Render(voice, length);
        heard.insert(heard.end(), part.begin(), part.end());
    }
    const Bytes played(heard.begin(), heard.begin() + note.size());
    EXPECT_EQ(played, note);
    EXPECT_EQ(Bytes(heard.begin() + note.size(), heard.end()), Silence(heard.size() - note.size()));
    EXPECT_FALSE(voice.IsSounding());
}

TEST(NoteVoiceTest, AnEmptyRenderChangesNothing) {
    const Bytes note = Counting(4, 1);
    NoteVoice voice;
    voice.Start(note.data(), note.size());
    voice.Render(nullptr, 0);
    EXPECT_EQ(voice.Position(), 0U);
    EXPECT_EQ(Render(voice, 4), note);
}

}  // namespace
