#include "render/maze_cache.h"

#include <cstring>

#include "game/game_state.h"
#include "render/assets.h"
#include "render/draw_frame.h"

bool maze_cache_enabled = true;
int maze_cache_builds = 0;

// Pills hide for 32 frames, then show for 32; the reset comes at the first
// pill drawn in the 65th frame.
const int PILL_SHOW_AFTER = 32;
const int PILL_CYCLE_END = 64;

bool is_wall_tile(int code) { return code == TILE_BLOCK || (code >= TILE_BAR_RIGHT_END && code <= TILE_CORNER_BL); }

static void draw_wall_tile(BITMAP *b, int code, int x, int y) {
  switch (code) {
    case TILE_BLOCK:
      rectfill(b, x, y, x + 15, y + 15, WALL_COLOUR);
      break;
    case TILE_BAR_RIGHT_END:
      draw_sprite(b, assets.straight_wall, x, y);
      break;
    case TILE_BAR_LEFT_END:
      rotate_sprite(b, assets.straight_wall, x, y, itofix(128));
      break;
    case TILE_CORNER_TL:
      draw_sprite(b, assets.wall_corner, x, y);
      break;
    case TILE_CORNER_TR:
      rotate_sprite(b, assets.wall_corner, x, y, itofix(64));
      break;
    case TILE_CORNER_BR:
      rotate_sprite(b, assets.wall_corner, x, y, itofix(128));
      break;
    case TILE_CORNER_BL:
      rotate_sprite(b, assets.wall_corner, x, y, itofix(192));
      break;
    default:
      break;
  }
}

// A dot, or a pill while the blink counter shows it.
static void draw_pickup_tile(BITMAP *b, int code, int x, int y) {
  if (code == TILE_DOT) {
    rectfill(b, x, y, x + 3, y + 3, DOT_COLOUR);
  } else if (code == TILE_PILL && blink_counter > PILL_SHOW_AFTER) {
    // A pill reaches 4 pixels into the cells left of and above it.
    rectfill(b, x - 4, y - 4, x + 4, y + 4, DOT_COLOUR);
    if (blink_counter > PILL_CYCLE_END) blink_counter = 0;
  }
}

void draw_maze_uncached(BITMAP *b) {
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) {
      draw_wall_tile(b, game.maze[r][c], c * CELL, r * CELL);
      draw_pickup_tile(b, game.maze[r][c], c * CELL, r * CELL);
    }
}

namespace {

// The walls alone, and what they were drawn from.
struct WallSprite {
  RLE_SPRITE *picture = nullptr;
  BITMAP *straight_wall = nullptr;
  BITMAP *wall_corner = nullptr;
  Maze walls = {};
};

WallSprite cache;

int wall_code(int code) { return is_wall_tile(code) ? code : TILE_EMPTY; }

bool cache_fits(int depth) {
  if (!cache.picture || cache.picture->color_depth != depth || cache.straight_wall != assets.straight_wall ||
      cache.wall_corner != assets.wall_corner)
    return false;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c)
      if (cache.walls[r][c] != wall_code(game.maze[r][c])) return false;
  return true;
}

void build_cache(int depth) {
  ++maze_cache_builds;
  forget_maze_cache();
  // Drawn on the transparent colour, the walls become a run-length sprite:
  // each frame copies their pixels and skips the rest.
  BITMAP *walls = create_bitmap_ex(depth, MAZE_COLS * CELL, MAZE_ROWS * CELL);
  clear_to_color(walls, bitmap_mask_color(walls));
  cache.straight_wall = assets.straight_wall;
  cache.wall_corner = assets.wall_corner;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) {
      cache.walls[r][c] = wall_code(game.maze[r][c]);
      draw_wall_tile(walls, cache.walls[r][c], c * CELL, r * CELL);
    }
  cache.picture = get_rle_sprite(walls);
  destroy_bitmap(walls);
}

// The background of a frame: black, the walls, then the dots and pills. It
// changes only when a pick-up is eaten, a pill blinks or the walls change,
// so it is kept whole and copied in one go the other frames.
struct StillLayer {
  BITMAP *picture = nullptr;
  int walls_build = -1;  // which wall sprite it holds
  Maze maze = {};
  int pills = -1;
  bool resets_blink = false;  // the first pill drawn put the counter back to 0
};

StillLayer still;

// What the pills look like at this blink count: hidden, all shown, or (the
// frame the count resets) only the first one.
enum { PILLS_HIDDEN, PILLS_SHOWN, PILLS_FIRST_ONLY };

int pill_phase() {
  if (blink_counter <= PILL_SHOW_AFTER) return PILLS_HIDDEN;
  return blink_counter > PILL_CYCLE_END ? PILLS_FIRST_ONLY : PILLS_SHOWN;
}

bool still_fits(BITMAP *b) {
  return still.picture && still.walls_build == maze_cache_builds && still.picture->w == b->w && still.picture->h == b->h &&
         still.pills == pill_phase() && memcmp(still.maze, game.maze, sizeof still.maze) == 0;
}

void build_still(BITMAP *b) {
  if (still.picture && (still.picture->w != b->w || still.picture->h != b->h ||
                        bitmap_color_depth(still.picture) != bitmap_color_depth(b))) {
    destroy_bitmap(still.picture);
    still.picture = nullptr;
  }
  if (!still.picture) still.picture = create_bitmap_ex(bitmap_color_depth(b), b->w, b->h);
  still.walls_build = maze_cache_builds;
  still.pills = pill_phase();
  memcpy(still.maze, game.maze, sizeof still.maze);
  clear_to_color(still.picture, makecol_depth(bitmap_color_depth(b), 0, 0, 0));
  draw_rle_sprite(still.picture, cache.picture, 0, 0);
  const int blink_before = blink_counter;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) draw_pickup_tile(still.picture, game.maze[r][c], c * CELL, r * CELL);
  still.resets_blink = blink_counter != blink_before;
}

}  // namespace

void forget_maze_cache() {
  if (cache.picture) destroy_rle_sprite(cache.picture);
  cache.picture = nullptr;
}

void draw_maze(BITMAP *b) {
  if (!maze_cache_enabled) {
    clear_to_color(b, makecol_depth(bitmap_color_depth(b), 0, 0, 0));
    draw_maze_uncached(b);
    return;
  }
  int depth = bitmap_color_depth(b);
  if (!cache_fits(depth)) build_cache(depth);
  if (still_fits(b)) {
    if (still.resets_blink) blink_counter = 0;
  } else {
    build_still(b);
  }
  blit(still.picture, b, 0, 0, 0, 0, b->w, b->h);
}
