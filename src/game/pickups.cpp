#include "game/pickups.h"

#include "game/game_state.h"
#include "game/sound.h"
#include "render/assets.h"

// Cells under the player's square that hold its pick-ups, as (row, column)
// offsets: top-left corner, middle of the left edge, middle of the top edge,
// centre, middle of the right edge.
static const int EATEN_CELLS[5][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 2}};

// Eats every cell of `code` under the player; returns how many.
static int eat_cells(int code, int points, SAMPLE *sound) {
  int r0 = game.player_y / CELL;
  int c0 = game.player_x / CELL;
  int eaten = 0;
  for (const auto &cell : EATEN_CELLS) {
    int r = r0 + cell[0], c = c0 + cell[1];
    // Past the last column (the tunnel's end) there is nothing to eat.
    if (r < 0 || r >= MAZE_ROWS || c < 0 || c >= MAZE_COLS) continue;
    if (game.maze[r][c] != code) continue;
    game.maze[r][c] = TILE_EMPTY;
    play_sound(sound);
    game.score += points;
    ++eaten;
  }
  return eaten;
}

static void start_fright() {
  game.fright_timer = fright_length(game.level);
  for (int k = 0; k < GHOSTS; ++k) game.ghost_mode[k] = GHOST_FRIGHTENED;
  game.ghost_points = FIRST_GHOST_POINTS;
  game.fright_active = -1;
}

void eat_dots_and_pills() {
  if ((game.player_x & 15) != 0 || (game.player_y & 15) != 0) return;
  eat_cells(TILE_DOT, DOT_POINTS, assets.eating);
  if (eat_cells(TILE_PILL, PILL_POINTS, assets.fruit_or_pill) > 0) start_fright();
}

void update_fruit() {
  int left = count_pickups();
  if (left >= FRUIT_MIN_LEFT && left <= FRUIT_MAX_LEFT && game.fruit_state != FRUIT_EATEN)
    game.fruit_state = FRUIT_SHOWN;
  if (game.fruit_state != FRUIT_SHOWN) return;
  int column = game.player_x / CELL;
  if ((column == 15 || column == 16) && game.player_y / CELL == 13) {
    play_sound(assets.fruit_or_pill);
    game.fruit_state = FRUIT_EATEN;
    game.score += FRUIT_POINTS[game.level];
  }
}

void run_fright() {
  int tile_x = game.player_x / CELL;
  int tile_y = game.player_y / CELL;
  for (int k = 0; k < GHOSTS; ++k) {
    if (game.ghost_mode[k] != GHOST_FRIGHTENED) continue;
    if (game.ghost_x[k] / CELL != tile_x || game.ghost_y[k] / CELL != tile_y) continue;
    game.score += game.ghost_points;
    game.ghost_points *= 2;
    game.ghost_x[k] = GHOST_HOME_X;
    game.ghost_y[k] = GHOST_HOME_Y;
    game.ghost_dir[k] = EATEN_GHOST_DIR;
    game.ghost_mode[k] = GHOST_NORMAL;
    play_sound(assets.eat_ghost);
  }
  game.fright_timer -= 1;
  if (game.fright_timer <= 0) {
    game.fright_active = 0;
    for (int k = 0; k < GHOSTS; ++k) game.ghost_mode[k] = GHOST_NORMAL;
  }
}
