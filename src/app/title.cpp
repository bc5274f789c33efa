#include "app/title.h"

#include <allegro.h>

#include "platform/platform.h"
#include "game/controls.h"
#include "game/game_state.h"
#include "game/display_key.h"
#include "render/assets.h"
#include "render/draw_frame.h"

const int PARADE_Y = 352;
const int PARADE_PLAYER_X = 128;
const int PARADE_GHOST_GAP = 32;
const int PARADE_WRAP = 640;  // past this a sprite starts again at x 0

struct ParadeRow {
  bool moves_left;
  int offset;  // from the parade's y
};

// Drawn in this order; every row shows the same positions, left rows mirrored.
static const ParadeRow PARADE_ROWS[] = {
    {true, -346}, {true, -282},  {true, -218},  {true, -160}, {true, -96},  {true, -32}, {true, 32},
    {false, -320}, {false, -256}, {false, -192}, {false, -128}, {false, -64}, {false, 64}, {false, 0},
};
static const int PARADE_ROW_COUNT = sizeof(PARADE_ROWS) / sizeof(PARADE_ROWS[0]);

// Every row shows the same pictures: each ghost facing its row's way and the
// player's frame turned that way. They are made once per title screen into
// run-length sprites, which skip transparent runs instead of testing every
// pixel, and the player is turned once instead of in every row; drawn
// masked like the pictures they come from, they leave the same pixels.
// Indexed by whether the row moves left.
static RLE_SPRITE *parade_ghost[GHOSTS][2];
static RLE_SPRITE *parade_player[PLAYER_FRAMES][2];

static RLE_SPRITE *turned_player(int frame, int dir) {
  BITMAP *turned = create_bitmap_ex(bitmap_color_depth(assets.player[frame]), ACTOR, ACTOR);
  clear_to_color(turned, bitmap_mask_color(turned));
  draw_player(turned, frame, dir, 0, 0);
  RLE_SPRITE *sprite = get_rle_sprite(turned);
  destroy_bitmap(turned);
  return sprite;
}

static void make_parade_sprites() {
  for (int left = 0; left < 2; ++left) {
    int dir = left ? DIR_LEFT : DIR_RIGHT;
    for (int k = 0; k < GHOSTS; ++k) {
      if (parade_ghost[k][left]) destroy_rle_sprite(parade_ghost[k][left]);
      parade_ghost[k][left] = get_rle_sprite(assets.ghost[k][dir]);
    }
    for (int f = 0; f < PLAYER_FRAMES; ++f) {
      if (parade_player[f][left]) destroy_rle_sprite(parade_player[f][left]);
      parade_player[f][left] = turned_player(f, dir);
    }
  }
}

// Where the last frame drew its sprites: the rest of the back buffer still
// holds the title picture, so only those squares are drawn from it again.
// A count of -1: the whole picture is to be drawn.
static const int PARADE_SPRITES = PARADE_ROW_COUNT * (GHOSTS + 1);
static int drawn_count = -1;
static int drawn_x[PARADE_SPRITES], drawn_y[PARADE_SPRITES], drawn_w[PARADE_SPRITES], drawn_h[PARADE_SPRITES];

static void draw_noted(BITMAP *b, RLE_SPRITE *sprite, int x, int y) {
  draw_rle_sprite(b, sprite, x, y);
  drawn_x[drawn_count] = x, drawn_y[drawn_count] = y, drawn_w[drawn_count] = sprite->w, drawn_h[drawn_count] = sprite->h;
  ++drawn_count;
}

static void draw_title_under_parade(BITMAP *b) {
  if (drawn_count < 0) blit(assets.title, b, 0, 0, 0, 0, b->w, b->h);
  for (int i = 0; i < drawn_count; ++i)
    blit(assets.title, b, drawn_x[i], drawn_y[i], drawn_x[i], drawn_y[i], drawn_w[i], drawn_h[i]);
  drawn_count = 0;
}

void start_parade() {
  drawn_count = -1;
  make_parade_sprites();
  game.player_x = PARADE_PLAYER_X;
  game.player_y = PARADE_Y;
  game.player_dir = DIR_LEFT;
  for (int k = 0; k < GHOSTS; ++k) {
    game.ghost_x[k] = PARADE_GHOST_GAP * k;
    game.ghost_y[k] = PARADE_Y;
    game.ghost_dir[k] = DIR_RIGHT;
    game.ghost_mode[k] = GHOST_NORMAL;
  }
}

static void draw_parade(BITMAP *b) {
  int frame = player_frame(game.player_x);
  for (int i = 0; i < PARADE_ROW_COUNT; ++i) {
    const ParadeRow &row = PARADE_ROWS[i];
    int y = game.player_y + row.offset;
    bool last = i == PARADE_ROW_COUNT - 1;
    int left = row.moves_left;
    for (int k = 0; k < GHOSTS; ++k) {
      draw_noted(b, parade_ghost[k][left], left ? 640 - game.ghost_x[k] : game.ghost_x[k], y);
      // The last row moves the ghosts on, right after each is drawn.
      if (last && ++game.ghost_x[k] > PARADE_WRAP) game.ghost_x[k] = 0;
    }
    draw_noted(b, parade_player[frame][left], left ? 640 - game.player_x : game.player_x, y);
  }
}

bool parade_frame(bool *quit) {
  // Each key is taken from the buffer, which also holds presses too short for
  // key[]: Escape quits, F1 (and its repeats while held) is never the key
  // that starts a game, any other key starts one.
  int ending_key = 0;
  bool f1 = false;
  while (!ending_key && platform.keypressed()) {
    int scancode = platform.readkey() >> 8;
    if (scancode == KEY_F1) f1 = true;
    else ending_key = scancode;
  }
  if (ending_key == KEY_ESC || key[KEY_ESC] || platform.close_requested()) {
    *quit = true;
    return true;
  }
  if (display_key_pressed(f1)) platform.toggle_display();
  // Any other key, or a face button or Start on the pad.
  if (ending_key || read_controls().start_game) return true;
  draw_title_under_parade(back_buffer);
  draw_parade(back_buffer);
  if (++game.player_x > PARADE_WRAP) game.player_x = 0;
  platform.present(back_buffer);
  return false;
}

TitleResult run_title() {
  platform.clear_keybuf();
  platform.rest(10);
  platform.clear_keybuf();
  reset_controls();
  start_parade();
  bool quit = false;
  for (;;) {
    int t = platform.ticks();
    if (parade_frame(&quit)) break;
    platform.wait_tick(t);
  }
  // Escape still held when the parade ends also quits.
  if (quit || key[KEY_ESC]) return TITLE_QUIT;
  return TITLE_START_GAME;
}
