// Title screen, game, high score, and round again, until the player quits.
#pragma once

// One title screen and, unless the player quits there, one game with its
// high-score bookkeeping. Returns false when the program should end.
bool title_and_game();
// 1 from a game's start to its end (its game-over box included).
extern int game_in_play;
// Runs title_and_game until the player quits.
void run_game_cycle();
