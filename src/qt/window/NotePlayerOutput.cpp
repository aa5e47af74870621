#include "qt/window/NotePlayerOutput.h"

#include "qt/process/ProgramGlobals.h"

void NotePlayerOutput::Play(NoteNumber note) {
    if (NotePlayer) {
        NotePlayer->Play(note);
    }
}
