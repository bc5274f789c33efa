// --replay: a recorded game played in the window at the game's pace.
#pragma once

#include "record/rec_file.h"

// Plays `r` with the picture as it was played: P pauses and resumes, the
// right arrow held runs it at 4x, F1 switches the display, M the sound,
// Escape or the close button stops. The viewer's keys never reach the
// replayed rules.
void replay_in_window(const Recording &r);
