#include "game/player.h"

#include <allegro.h>

#include "game/game_state.h"
#include "render/draw_frame.h"

const int STRIP = 31;  // pixels read along a side (offsets 0 to 30)

static bool aligned(int v) { return (v & 15) == 0; }

bool probe_clear(int side, int x, int y) {
  // Start pixel and step of the strip outside the given side.
  int px, py, dx, dy;
  switch (side) {
    case DIR_LEFT:
      if (!aligned(y)) return false;
      px = x - 1, py = y, dx = 0, dy = 1;
      break;
    case DIR_RIGHT:
      if (!aligned(y)) return false;
      px = x + ACTOR, py = y, dx = 0, dy = 1;
      break;
    case DIR_UP:
      if (!aligned(x)) return false;
      px = x, py = y - 1, dx = 1, dy = 0;
      break;
    default:
      if (!aligned(x)) return false;
      px = x, py = y + ACTOR, dx = 1, dy = 0;
      break;
  }
  // getpixel gives -1 outside the picture, which is never the wall colour.
  for (int i = 0; i < STRIP; ++i)
    if (getpixel(back_buffer, px + i * dx, py + i * dy) == WALL_COLOUR) return false;
  return true;
}

void steer_player() {
  int x = game.player_x, y = game.player_y;
  if (key[KEY_LEFT] && probe_clear(DIR_LEFT, x, y)) game.player_dir = DIR_LEFT;
  if (key[KEY_RIGHT] && probe_clear(DIR_RIGHT, x, y)) game.player_dir = DIR_RIGHT;
  if (key[KEY_UP] && probe_clear(DIR_UP, x, y)) game.player_dir = DIR_UP;
  if (key[KEY_DOWN] && probe_clear(DIR_DOWN, x, y)) game.player_dir = DIR_DOWN;
}

void move_player() {
  int &x = game.player_x, &y = game.player_y;
  if (!probe_clear(game.player_dir, x, y)) return;
  switch (game.player_dir) {
    case DIR_LEFT:
      x = x - 1 > PLAYER_WRAP_LEFT - 1 ? x - 1 : PLAYER_WRAP_RIGHT;
      break;
    case DIR_RIGHT:
      x = x + 1 <= PLAYER_WRAP_RIGHT - 1 ? x + 1 : PLAYER_WRAP_LEFT;
      break;
    case DIR_UP:
      y -= 1;
      break;
    default:
      y += 1;
      break;
  }
}
