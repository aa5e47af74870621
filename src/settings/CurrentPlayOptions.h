#pragma once

#include "settings/AppPlayOptions.h"

// The play options in force for the whole program. Change it only through ApplyPlayOptions.
extern AppPlayOptions CurrentPlayOptions;

// Clamps the counts and the interval into their limits (never rejects) and puts the record
// in force.
void ApplyPlayOptions(AppPlayOptions options);
