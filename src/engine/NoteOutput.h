#pragma once

#include "engine/NoteNumber.h"

// Where the world sends the note of each successful click. The game hands it the note
// player; tests hand it a recorder.
class NoteOutput {
  public:
    virtual ~NoteOutput() = default;
    virtual void Play(NoteNumber note) = 0;
};
