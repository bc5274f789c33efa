#include "game/ghosts.h"

#include "game/game_state.h"
#include "game/player.h"
#include "game/random.h"

static bool is_chaser(int k) { return k == 0 || k == 1; }
static bool horizontal(int dir) { return dir == DIR_LEFT || dir == DIR_RIGHT; }

// One pixel along the ghost's direction if the way is open.
static bool step_ghost(int k) {
  int &x = game.ghost_x[k], &y = game.ghost_y[k];
  if (!probe_clear(game.ghost_dir[k], x, y)) return false;
  switch (game.ghost_dir[k]) {
    case DIR_RIGHT:
      if (++x > GHOST_WRAP_RIGHT) x = 0;
      break;
    case DIR_DOWN:
      y += 1;
      break;
    case DIR_UP:
      y -= 1;
      break;
    default:
      if (--x < 0) x = GHOST_WRAP_LEFT;
      break;
  }
  return true;
}

// A blocked ghost picks a new way: at random, but a chaser takes an open way
// toward the player, vertical before horizontal.
static void choose_again(int k) {
  int x = game.ghost_x[k], y = game.ghost_y[k];
  int dir = random_draw(4);
  if (is_chaser(k)) {
    if (x > game.player_x && probe_clear(DIR_LEFT, x, y)) dir = DIR_LEFT;
    if (x < game.player_x && probe_clear(DIR_RIGHT, x, y)) dir = DIR_RIGHT;
    if (y > game.player_y && probe_clear(DIR_UP, x, y)) dir = DIR_UP;
    if (y < game.player_y && probe_clear(DIR_DOWN, x, y)) dir = DIR_DOWN;
  }
  game.ghost_dir[k] = dir;
}

// A chaser may turn off its way at a junction, more likely toward the player.
// Each rule draws its number whenever its direction test holds.
static void chaser_turns(int k) {
  int x = game.ghost_x[k], y = game.ghost_y[k];
  int &dir = game.ghost_dir[k];
  if (horizontal(dir)) {
    if ((random_draw(2) == 1 || y < game.player_y) && probe_clear(DIR_DOWN, x, y)) {
      dir = DIR_DOWN;
      return;
    }
    if ((random_draw(2) == 1 || y > game.player_y) && probe_clear(DIR_UP, x, y)) {
      dir = DIR_UP;
      return;
    }
  } else {
    if ((random_draw(2) == 1 || x < game.player_x) && probe_clear(DIR_RIGHT, x, y)) {
      dir = DIR_RIGHT;
      return;
    }
    if ((random_draw(2) == 1 || x > game.player_x) && probe_clear(DIR_LEFT, x, y)) {
      dir = DIR_LEFT;
      return;
    }
  }
}

// A wanderer turns off its way one time in three where it can.
static void wanderer_turns(int k) {
  int x = game.ghost_x[k], y = game.ghost_y[k];
  int &dir = game.ghost_dir[k];
  if (horizontal(dir)) {
    if (random_draw(3) == 1 && probe_clear(DIR_DOWN, x, y)) {
      dir = DIR_DOWN;
      return;
    }
    if (random_draw(3) == 1 && probe_clear(DIR_UP, x, y)) {
      dir = DIR_UP;
      return;
    }
  } else {
    if (random_draw(3) == 1 && probe_clear(DIR_RIGHT, x, y)) {
      dir = DIR_RIGHT;
      return;
    }
    if (random_draw(3) == 1 && probe_clear(DIR_LEFT, x, y)) {
      dir = DIR_LEFT;
      return;
    }
  }
}

void move_ghosts() {
  for (int k = 0; k < GHOSTS; ++k)
    for (int tries = 0; tries < GHOST_MAX_TRIES && !step_ghost(k); ++tries) choose_again(k);
  for (int k = 0; k < GHOSTS; ++k) (is_chaser(k) ? chaser_turns : wanderer_turns)(k);
}
