#pragma once

#include <cstddef>
#include <cstdint>

// The single voice of the note player: it walks one note's samples into the stream the
// sound device asks for. It knows nothing of the device, so it is tested on plain buffers.
// Lengths are in bytes; the caller keeps them whole sample frames, and silence is byte 0,
// which holds for the signed 16-bit format the player opens.
class NoteVoice {
  public:
    // Cuts off whatever sounds and starts the note from its first byte. The bytes are
    // borrowed: they must outlive the note. An empty note starts nothing.
    void Start(const std::uint8_t* note, std::size_t length);

    // Ends the note at once; Position keeps how far it got.
    void Stop();

    // Fills all of stream: what is left of the note first, then silence.
    void Render(std::uint8_t* stream, std::size_t length);

    bool IsSounding() const { return position_ < length_; }

    // Bytes of the latest note played so far, whether it still sounds or not.
    std::size_t Position() const { return position_; }
    // Bytes of the latest note, as far as it will sound: a stopped note ends where it stopped.
    std::size_t Length() const { return length_; }

  private:
    const std::uint8_t* note_ = nullptr;
    std::size_t length_ = 0;
    std::size_t position_ = 0;
};
