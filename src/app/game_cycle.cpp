#include "app/game_cycle.h"

#include "app/high_score.h"
#include "platform/platform.h"
#include "app/title.h"
#include "game/game_loop.h"
#include "game/game_state.h"

int game_in_play = 0;

bool title_and_game() {
  if (run_title() == TITLE_QUIT) return false;
  platform.clear_keybuf();
  game.score = 0;
  load_high_score(&game.hi_score);
  game_in_play = 1;
  play_game();
  game_in_play = 0;
  if (game.score > game.hi_score) {
    game.hi_score = game.score;
    save_high_score(game.hi_score);
  }
  // Closing the window or a signal during a game ends the program once the
  // score is safe.
  return !platform.close_requested();
}

void run_game_cycle() {
  while (title_and_game()) {
  }
}
