#pragma once

// Lets the game play on when its session manager goes away. Qt's session management talks to
// the manager through libICE, whose default reaction to a lost connection is to end the
// program with status 1, as if the display had gone. Losing the manager costs nothing: the
// game saves at its own exit as always. Call once the application object exists; does
// nothing when Qt has no session management loaded.
void SurviveSessionManagerLoss();
