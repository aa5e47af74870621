#include "win32/window/NotePlayerOutput.h"

#include "win32/process/ProgramGlobals.h"

void NotePlayerOutput::Play(NoteNumber note) {
    if (NotePlayer != nullptr) {
        NotePlayer->Play(note);
    }
}
