#pragma once

#include <vector>

#include "engine/NoteOutput.h"

class NoteRecorder final : public NoteOutput {
  public:
    void Play(NoteNumber note) override { notes.push_back(note); }
    std::vector<NoteNumber> notes;
};
