#include "render/maze_cache.h"

#include <allegro/internal/aintern.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

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

// A dot, or a pill while the blink counter shows it, with `fill` as the
// rectfill of the maze's target.
template <class Fill>
static void draw_pickup_tile(Fill fill, int code, int x, int y) {
  if (code == TILE_DOT) {
    fill(x, y, x + 3, y + 3);
  } else if (code == TILE_PILL && blink_counter > PILL_SHOW_AFTER) {
    // A pill reaches 4 pixels into the cells left of and above it.
    fill(x - 4, y - 4, x + 4, y + 4);
    if (blink_counter > PILL_CYCLE_END) blink_counter = 0;
  }
}

void draw_maze_uncached(BITMAP *b) {
  for (int r = 0; r < MAZE_ROWS; ++r) {
    for (int c = 0; c < MAZE_COLS; ++c) {
      int code = game.maze[r][c];
      draw_wall_tile(b, code, c * CELL, r * CELL);
      draw_pickup_tile([b](int x0, int y0, int x1, int y1) { rectfill(b, x0, y0, x1, y1, DOT_COLOUR); }, code,
                       c * CELL, r * CELL);
    }
  }
}

namespace {

const int MAZE_W = MAZE_COLS * CELL;
const int MAZE_H = MAZE_ROWS * CELL;
// Pixels [x0, x1) of row y of the cached walls, none of them black, copied
// from `source`. A run of one colour (most are the wall colour) is copied
// from a short row of that colour, which stays in the processor's nearest
// cache, so that a frame reads next to nothing from memory.
struct Span {
  int y, x0, x1;
  const unsigned char *source;
};

struct WallCache {
  bool built = false;
  // What the cache was built from; any change means building it again.
  int depth = 0;
  BITMAP *straight_wall = nullptr;
  BITMAP *wall_corner = nullptr;
  int32_t walls[MAZE_ROWS][MAZE_COLS] = {};
  // False when a wall piece draws outside its own cell: a later wall could
  // then cover a dot or pill drawn before it, which a copy made before the
  // dots cannot reproduce.
  bool usable = false;
  BITMAP *picture = nullptr;
  std::vector<Span> spans;
  std::map<int, BITMAP *> colour_rows;  // by colour, each MAZE_W pixels
};

WallCache cache;

int wall_code(int code) { return is_wall_tile(code) ? code : TILE_EMPTY; }

bool cache_fits(int depth) {
  if (!cache.built || cache.depth != depth || cache.straight_wall != assets.straight_wall ||
      cache.wall_corner != assets.wall_corner)
    return false;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c)
      if (cache.walls[r][c] != wall_code(game.maze[r][c])) return false;
  return true;
}

// Draws every wall piece alone in the middle of a 3x3-cell scratch picture,
// once over each of two backgrounds: any pixel outside the middle cell that
// changes from either background was drawn by the piece.
bool pieces_stay_in_their_cells(int depth) {
  static const int PIECES[] = {TILE_BLOCK,     TILE_BAR_RIGHT_END, TILE_BAR_LEFT_END, TILE_CORNER_TL,
                               TILE_CORNER_TR, TILE_CORNER_BR,     TILE_CORNER_BL};
  BITMAP *scratch = create_bitmap_ex(depth, 3 * CELL, 3 * CELL);
  const int backgrounds[2] = {makecol_depth(depth, 1, 2, 3), makecol_depth(depth, 250, 4, 250)};
  bool inside = true;
  for (int piece : PIECES) {
    for (int background : backgrounds) {
      clear_to_color(scratch, background);
      draw_wall_tile(scratch, piece, CELL, CELL);
      for (int y = 0; y < scratch->h; ++y)
        for (int x = 0; x < scratch->w; ++x) {
          bool in_cell = x >= CELL && x < 2 * CELL && y >= CELL && y < 2 * CELL;
          if (!in_cell && getpixel(scratch, x, y) != background) inside = false;
        }
    }
  }
  destroy_bitmap(scratch);
  return inside;
}

void build_cache(int depth) {
  ++maze_cache_builds;
  cache.built = true;
  cache.depth = depth;
  cache.straight_wall = assets.straight_wall;
  cache.wall_corner = assets.wall_corner;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) cache.walls[r][c] = wall_code(game.maze[r][c]);
  cache.spans.clear();
  cache.usable = pieces_stay_in_their_cells(depth);
  if (!cache.usable) return;

  if (cache.picture && bitmap_color_depth(cache.picture) != depth) {
    destroy_bitmap(cache.picture);
    cache.picture = nullptr;
  }
  if (!cache.picture) cache.picture = create_bitmap_ex(depth, MAZE_W, MAZE_H);
  int black = makecol_depth(depth, 0, 0, 0);
  clear_to_color(cache.picture, black);
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) draw_wall_tile(cache.picture, cache.walls[r][c], c * CELL, r * CELL);

  for (auto &row : cache.colour_rows) destroy_bitmap(row.second);
  cache.colour_rows.clear();
  int bytes = (depth + 7) / 8;
  for (int y = 0; y < MAZE_H; ++y) {
    int x = 0;
    for (;;) {
      while (x < MAZE_W && getpixel(cache.picture, x, y) == black) ++x;
      if (x == MAZE_W) break;
      Span span = {y, x, x, nullptr};
      int colour = getpixel(cache.picture, x, y);
      bool uniform = true;
      for (; x < MAZE_W && getpixel(cache.picture, x, y) != black; ++x)
        if (getpixel(cache.picture, x, y) != colour) uniform = false;
      span.x1 = x;
      if (uniform) {
        BITMAP *&row = cache.colour_rows[colour];
        if (!row) {
          row = create_bitmap_ex(depth, MAZE_W, 1);
          clear_to_color(row, colour);
        }
        span.source = row->line[0];
      } else {
        span.source = cache.picture->line[y] + span.x0 * bytes;
      }
      cache.spans.push_back(span);
    }
  }
}

}  // namespace

void forget_maze_cache() { cache.built = false; }

void draw_maze_cached(BITMAP *b) {
  // Only memory pictures can be written row by row.
  if (!is_memory_bitmap(b)) {
    draw_maze_uncached(b);
    return;
  }
  int depth = bitmap_color_depth(b);
  if (!cache_fits(depth)) build_cache(depth);
  if (!cache.usable) {
    draw_maze_uncached(b);
    return;
  }

  // The walls first: they lie in their own cells, so no dot or pill drawn
  // after them covers a pixel that a wall drawn later in cell order would
  // have covered. Copying only what is not black leaves the target's black.
  int left = 0, top = 0, right = b->w, bottom = b->h;
  if (b->clip) {
    left = b->cl;
    top = b->ct;
    right = b->cr;
    bottom = b->cb;
  }
  int bytes = (depth + 7) / 8;
  for (const Span &s : cache.spans) {
    if (s.y < top || s.y >= bottom) continue;
    int x0 = s.x0 < left ? left : s.x0;
    int x1 = s.x1 > right ? right : s.x1;
    if (x0 >= x1) continue;
    memcpy(b->line[s.y] + x0 * bytes, s.source + (x0 - s.x0) * bytes, (x1 - x0) * bytes);
  }

  // A box that lies whole inside the clip rectangle of a 16-bit picture
  // drawn in the solid mode is written straight into its rows: the pixels
  // rectfill would write, without its per-call and per-row work, which adds
  // up over 194 dots a frame.
  bool direct = depth == 16 && _drawing_mode == DRAW_MODE_SOLID;
  auto fill = [b, direct, left, top, right, bottom](int x0, int y0, int x1, int y1) {
    if (!direct || x0 < left || x1 >= right || y0 < top || y1 >= bottom) {
      rectfill(b, x0, y0, x1, y1, DOT_COLOUR);
      return;
    }
    for (int y = y0; y <= y1; ++y) {
      uint16_t *row = reinterpret_cast<uint16_t *>(b->line[y]);
      for (int x = x0; x <= x1; ++x) row[x] = static_cast<uint16_t>(DOT_COLOUR);
    }
  };
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) {
      int code = game.maze[r][c];
      if (code == TILE_DOT || code == TILE_PILL) draw_pickup_tile(fill, code, c * CELL, r * CELL);
    }
}

void draw_maze(BITMAP *b) {
  if (maze_cache_enabled)
    draw_maze_cached(b);
  else
    draw_maze_uncached(b);
}
