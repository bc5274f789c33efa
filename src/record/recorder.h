// Every game is recorded as it is played: the game loop reports each frame
// in which the rules run (a paused frame runs none and is left out) and how
// the game ends; the recording stays in memory, run-length coded.
#pragma once

#include "record/rec_file.h"

// At the start of a game, before its first picture: what it starts from.
void record_game_start();
// In a frame whose rules run, before they read the keys: the arrows held.
void record_frame();
// How the game ended (REC_END_*).
void record_game_end(uint32_t how);
// The game recorded so far, with the state it stands at now as its end.
Recording recorded_game();
