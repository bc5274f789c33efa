#include "render/draw_frame.h"

#include "game/game_state.h"
#include "render/assets.h"
#include "render/maze_cache.h"

BITMAP *back_buffer = nullptr;
int blink_counter = 0;

const int LIVES_Y = 448;
const int LEVEL_FRUIT_X = 480;
const int LEVEL_FRUIT_Y = 452;
const int LEVEL_FRUITS_SHOWN = 9;
const int TEXT_FRAME_FG = 2;  // raw pixel value: only the background shows

int player_frame(int along) { return (along / 8) % PLAYER_FRAMES; }

void draw_player(BITMAP *target, int frame, int dir, int x, int y) {
  BITMAP *picture = assets.player[frame];
  switch (dir) {
    case DIR_UP:
      draw_sprite(target, picture, x, y);
      break;
    case DIR_RIGHT:
      rotate_sprite(target, picture, x, y, itofix(64));
      break;
    case DIR_DOWN:
      rotate_sprite(target, picture, x, y, itofix(128));
      break;
    default:
      // Flipped top to bottom, then a quarter turn clockwise: the mirror
      // image of the right-facing picture. Older Allegro 4 releases added
      // the half turn inside rotate_sprite_v_flip; 4.4 leaves it to us.
      rotate_sprite_v_flip(target, picture, x, y, itofix(192) + itofix(128));
      break;
  }
}

static void draw_ghosts(BITMAP *b) {
  for (int k = 0; k < GHOSTS; ++k) {
    BITMAP *picture;
    if (game.ghost_mode[k] == GHOST_FRIGHTENED) {
      // The last 100 frames of a fright flash, one frame in four.
      bool flash = game.fright_timer <= 99 && game.fright_timer % 4 == 0;
      picture = flash ? assets.frightened_flash : assets.frightened;
    } else {
      picture = assets.ghost[k][game.ghost_dir[k]];
    }
    draw_sprite(b, picture, game.ghost_x[k] + 1, game.ghost_y[k] + 1);
  }
}

// Two outlined boxes right of the maze: "Hi Score" above "Score".
struct TextCall {
  int x, y;
  const char *text;  // nullptr: the number
  int kind;          // 0 frame cell, 1 label, 2 number
  bool hi;           // which number
};

static const char WIDE[] = "           ";
static const TextCall SCORE_BOXES[] = {
    {530, 120, WIDE, 0, false},     {530, 128, " ", 0, false},  {610, 128, " ", 0, false},
    {554, 128, "Score", 1, false},  {530, 136, " ", 0, false},  {562, 136, nullptr, 2, false},
    {610, 136, " ", 0, false},      {530, 144, WIDE, 0, false}, {530, 88, WIDE, 0, true},
    {530, 96, " ", 0, true},        {610, 96, " ", 0, true},    {546, 96, "Hi Score", 1, true},
    {530, 104, " ", 0, true},       {562, 104, nullptr, 2, true}, {610, 104, " ", 0, true},
    {530, 112, WIDE, 0, true},
};

static void draw_score_boxes(BITMAP *b) {
  int frame_bg = makecol(255, 255, 192);
  int label = makecol(255, 255, 255);
  int number = makecol(255, 255, 192);
  for (const TextCall &t : SCORE_BOXES) {
    if (t.kind == 0)
      textprintf_ex(b, font, t.x, t.y, TEXT_FRAME_FG, frame_bg, "%s", t.text);
    else if (t.kind == 1)
      textprintf_ex(b, font, t.x, t.y, label, -1, "%s", t.text);
    else
      textprintf_ex(b, font, t.x, t.y, number, -1, "%i", t.hi ? game.hi_score : game.score);
  }
}

static void draw_level_fruit(BITMAP *b) {
  int x = LEVEL_FRUIT_X;
  for (int i = game.level - (LEVEL_FRUITS_SHOWN - 1); i <= game.level; ++i) {
    if (i < 0) continue;
    draw_sprite(b, assets.fruit[i], x, LEVEL_FRUIT_Y);
    x -= ACTOR;
  }
}

void draw_frame() {
  BITMAP *b = back_buffer;
  ++blink_counter;
  draw_maze(b);
  if (game.fruit_state == FRUIT_SHOWN) draw_sprite(b, assets.fruit[game.level], FRUIT_X, FRUIT_Y);

  bool vertical = game.player_dir == DIR_UP || game.player_dir == DIR_DOWN;
  draw_player(b, player_frame(vertical ? game.player_y : game.player_x), game.player_dir, game.player_x,
              game.player_y);

  for (int j = 1; j < game.lives; ++j)
    draw_player(b, player_frame(game.player_x), DIR_LEFT, (j - 1) * ACTOR, LIVES_Y);

  draw_ghosts(b);
  draw_score_boxes(b);
  draw_level_fruit(b);
}
