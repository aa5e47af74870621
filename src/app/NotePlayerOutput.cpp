#include "app/NotePlayerOutput.h"

#include "app/ProgramGlobals.h"

void NotePlayerOutput::Play(NoteNumber note) {
    if (NotePlayer) {
        NotePlayer->Play(note);
    }
}
