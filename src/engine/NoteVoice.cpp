#include "engine/NoteVoice.h"

#include <algorithm>
#include <cstring>

void NoteVoice::Start(const std::uint8_t* note, std::size_t length) {
    note_ = note;
    length_ = note != nullptr ? length : 0;
    position_ = 0;
}

void NoteVoice::Stop() {
    note_ = nullptr;
    length_ = position_;
}

void NoteVoice::Render(std::uint8_t* stream, std::size_t length) {
    const std::size_t played = std::min(length, length_ - position_);
    if (played > 0) {
        std::memcpy(stream, note_ + position_, played);
        position_ += played;
    }
    if (length > played) {
        std::memset(stream + played, 0, length - played);
    }
}
