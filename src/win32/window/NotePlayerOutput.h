#pragma once

#include "engine/NoteOutput.h"

// Sends the world's notes to the program-wide note player, if there is one yet.
class NotePlayerOutput final : public NoteOutput {
  public:
    void Play(NoteNumber note) override;
};
