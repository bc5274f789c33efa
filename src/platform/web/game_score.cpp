// What the page asks of the game in play: its score, to keep when the tab
// goes away mid-game, and whether it is paused, to let the screen dim.
#include <emscripten.h>

#include "app/game_cycle.h"
#include "game/game_state.h"
#include "game/pause.h"

// The score of the game in play, -1 on the title.
extern "C" EMSCRIPTEN_KEEPALIVE int web_game_score() { return game_in_play ? game.score : -1; }

// 1 while a game is in play and paused.
extern "C" EMSCRIPTEN_KEEPALIVE int web_game_paused() { return game_in_play && game_paused; }

// The player's heading (0 up, 1 right, 2 down, 3 left), for measuring how
// soon a key shows on the canvas.
extern "C" EMSCRIPTEN_KEEPALIVE int web_player_dir() { return game.player_dir; }
