// The pixel wall test and the player's steering and one-pixel movement.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/draw_frame.h"

namespace {

// A fresh game as it stands before its first frame.
void fresh_game() {
  use_fake_platform();
  game = GameState();
  game.lives = START_LIVES;
  reset_actors();
  reset_maze();
}

// The frame's picture, composed the way every game frame starts.
void compose() {
  clear_to_color(back_buffer, 0);
  draw_frame();
}

// One frame of the player alone: picture, steering, movement.
void player_frame_step() {
  compose();
  steer_player();
  move_player();
}

// An empty black picture: every aligned strip is open.
void blank_picture() { clear_to_color(back_buffer, 0); }

void place_player(int x, int y, int dir) {
  game.player_x = x;
  game.player_y = y;
  game.player_dir = dir;
}

// Start of the strip for a side, and the step along it.
void strip_of(int side, int x, int y, int *px, int *py, int *dx, int *dy) {
  switch (side) {
    case DIR_LEFT: *px = x - 1, *py = y, *dx = 0, *dy = 1; break;
    case DIR_RIGHT: *px = x + 32, *py = y, *dx = 0, *dy = 1; break;
    case DIR_UP: *px = x, *py = y - 1, *dx = 1, *dy = 0; break;
    default: *px = x, *py = y + 32, *dx = 1, *dy = 0; break;
  }
}

}  // namespace

TEST(PlayerMovement, FromTheStartWithNoKeyThePlayerRunsLeftAndStopsAtTheOuterWall) {
  fresh_game();
  int frames = 0;
  while (frames < 1000) {
    int before = game.player_x;
    player_frame_step();
    if (game.player_x == before) break;
    ASSERT_EQ(game.player_x, before - 1);
    ASSERT_EQ(game.player_y, PLAYER_START_Y);
    ++frames;
  }
  EXPECT_EQ(game.player_x, 16);
  EXPECT_EQ(frames, PLAYER_START_X - 16);
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  // Blocked, it stays there and keeps its direction.
  for (int i = 0; i < 10; ++i) player_frame_step();
  EXPECT_EQ(game.player_x, 16);
  EXPECT_EQ(game.player_y, PLAYER_START_Y);
  EXPECT_EQ(game.player_dir, DIR_LEFT);
}

TEST(PlayerMovement, OnePixelPerFrameInEachDirection) {
  fresh_game();
  const int expect[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
  for (int dir = 0; dir < 4; ++dir) {
    blank_picture();
    place_player(256, 256, dir);
    move_player();
    EXPECT_EQ(game.player_x, 256 + expect[dir][0]) << dir;
    EXPECT_EQ(game.player_y, 256 + expect[dir][1]) << dir;
    EXPECT_EQ(game.player_dir, dir);
  }
}

TEST(PlayerMovement, SideTunnelWrapsBetween8And480InOneStep) {
  fresh_game();
  struct Case {
    int x, dir, after;
  };
  const Case cases[] = {{8, DIR_LEFT, 480},  {9, DIR_LEFT, 8},    {480, DIR_RIGHT, 8},
                        {479, DIR_RIGHT, 8}, {478, DIR_RIGHT, 479}, {480, DIR_LEFT, 479}};
  // In the real tunnel (maze rows 10 and 11) ...
  for (const Case &c : cases) {
    place_player(c.x, 160, c.dir);
    player_frame_step();
    EXPECT_EQ(game.player_x, c.after) << "from x " << c.x << " dir " << c.dir;
    EXPECT_EQ(game.player_y, 160);
  }
  // ... and on an open picture anywhere.
  for (const Case &c : cases) {
    blank_picture();
    place_player(c.x, 64, c.dir);
    move_player();
    EXPECT_EQ(game.player_x, c.after) << "from x " << c.x << " dir " << c.dir;
  }
  // A full run through the tunnel: left from x 40 comes back in at 480.
  place_player(40, 160, DIR_LEFT);
  int seen_low = 1000;
  for (int i = 0; i < 40; ++i) {
    player_frame_step();
    seen_low = std::min(seen_low, game.player_x);
  }
  EXPECT_EQ(seen_low, 8);
  EXPECT_EQ(game.player_x, 480 - (40 - 33));
}

TEST(PlayerMovement, TurnKeyIsObeyedOnlyWhenAlignedAndOpen) {
  // Holding up while running left along rows 19 and 20: the first column
  // with an open way up is the corridor at x 176.
  fresh_game();
  key[KEY_UP] = 1;
  int turned_at = -1;
  for (int i = 0; i < 200 && turned_at < 0; ++i) {
    int x = game.player_x;
    player_frame_step();
    if (game.player_dir == DIR_UP) turned_at = x;
  }
  EXPECT_EQ(turned_at, 176);
  EXPECT_EQ(game.player_x, 176);
  EXPECT_EQ(game.player_y, PLAYER_START_Y - 1);

  // Down into the wall below the start: nothing changes, it runs on.
  fresh_game();
  key[KEY_DOWN] = 1;
  player_frame_step();
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  EXPECT_EQ(game.player_x, PLAYER_START_X - 1);
  EXPECT_EQ(game.player_y, PLAYER_START_Y);

  // Up or down off the grid, on an open picture: nothing changes.
  for (int k : {KEY_UP, KEY_DOWN}) {
    fresh_game();
    blank_picture();
    place_player(241, 256, DIR_LEFT);
    key[k] = 1;
    steer_player();
    move_player();
    EXPECT_EQ(game.player_dir, DIR_LEFT);
    EXPECT_EQ(game.player_x, 240);
    EXPECT_EQ(game.player_y, 256);
  }
  // Left or right off the grid vertically: nothing changes.
  for (int k : {KEY_LEFT, KEY_RIGHT}) {
    fresh_game();
    blank_picture();
    place_player(256, 250, DIR_DOWN);
    key[k] = 1;
    steer_player();
    move_player();
    EXPECT_EQ(game.player_dir, DIR_DOWN);
    EXPECT_EQ(game.player_x, 256);
    EXPECT_EQ(game.player_y, 251);
  }
  // No remembered turn: let go before the junction and the player runs past.
  fresh_game();
  key[KEY_UP] = 1;
  for (int i = 0; i < 240 - 177; ++i) player_frame_step();
  EXPECT_EQ(game.player_x, 177);
  key[KEY_UP] = 0;
  for (int i = 0; i < 5; ++i) player_frame_step();
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  EXPECT_EQ(game.player_x, 172);
}

TEST(PlayerMovement, LaterKeyOverridesEarlierOne) {
  struct Case {
    int keys[4];
    int dir;
  };
  const Case cases[] = {
      {{KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN}, DIR_DOWN},
      {{KEY_LEFT, KEY_RIGHT, 0, 0}, DIR_RIGHT},
      {{KEY_LEFT, KEY_UP, 0, 0}, DIR_UP},
      {{KEY_RIGHT, KEY_UP, 0, 0}, DIR_UP},
      {{KEY_UP, KEY_DOWN, 0, 0}, DIR_DOWN},
      {{KEY_LEFT, KEY_DOWN, 0, 0}, DIR_DOWN},
      {{KEY_LEFT, 0, 0, 0}, DIR_LEFT},
  };
  for (const Case &c : cases) {
    fresh_game();
    blank_picture();
    place_player(256, 256, DIR_RIGHT);
    for (int k : c.keys)
      if (k) key[k] = 1;
    steer_player();
    EXPECT_EQ(game.player_dir, c.dir);
  }
  // A later key toward a wall leaves the earlier one in charge.
  fresh_game();
  blank_picture();
  place_player(256, 256, DIR_UP);
  putpixel(back_buffer, 256 + 15, 256 + 32, WALL_COLOUR);
  key[KEY_LEFT] = key[KEY_DOWN] = 1;
  steer_player();
  move_player();
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  EXPECT_EQ(game.player_x, 255);
}

TEST(WallProbe, StripIs31PixelsJustOutsideTheCellAndOnlyTheExactWallColourBlocks) {
  fresh_game();
  const int x = 256, y = 192;
  for (int side = 0; side < 4; ++side) {
    int px, py, dx, dy;
    strip_of(side, x, y, &px, &py, &dx, &dy);
    for (int i = -2; i <= 33; ++i) {
      blank_picture();
      putpixel(back_buffer, px + i * dx, py + i * dy, WALL_COLOUR);
      bool inside = i >= 0 && i <= 30;
      EXPECT_EQ(probe_clear(side, x, y), !inside) << "side " << side << " offset " << i;
    }
    // One pixel further out, or one pixel inside the cell, never counts.
    blank_picture();
    for (int i = 0; i <= 30; ++i) {
      putpixel(back_buffer, px + i * dx + (dy ? (side == DIR_LEFT ? -1 : 1) : 0),
               py + i * dy + (dx ? (side == DIR_UP ? -1 : 1) : 0), WALL_COLOUR);
      putpixel(back_buffer, px + i * dx - (dy ? (side == DIR_LEFT ? -1 : 1) : 0),
               py + i * dy - (dx ? (side == DIR_UP ? -1 : 1) : 0), WALL_COLOUR);
    }
    EXPECT_TRUE(probe_clear(side, x, y)) << side;
    // Colours next to the wall colour, and the dot colour, are no walls.
    for (int colour : {0xffe1, 0xffdf, 0xffc0, 0xf7e0, DOT_COLOUR}) {
      blank_picture();
      for (int i = 0; i <= 30; ++i) putpixel(back_buffer, px + i * dx, py + i * dy, colour);
      EXPECT_TRUE(probe_clear(side, x, y)) << "side " << side << " colour " << std::hex << colour;
    }
  }
}

TEST(WallProbe, SpritePixelOfWallColourBlocksThePlayerLikeAWall) {
  fresh_game();
  // Running right on an open picture; a single pixel drawn by a sprite in
  // the strip ahead stops it; it moves on when the pixel is gone.
  blank_picture();
  place_player(256, 256, DIR_RIGHT);
  BITMAP *sprite = create_bitmap(4, 4);
  clear_to_color(sprite, bitmap_mask_color(sprite));
  putpixel(sprite, 2, 1, WALL_COLOUR);
  draw_sprite(back_buffer, sprite, 256 + 32 - 2, 256 + 20);
  move_player();
  EXPECT_EQ(game.player_x, 256);
  EXPECT_EQ(game.player_dir, DIR_RIGHT);
  move_player();
  EXPECT_EQ(game.player_x, 256);
  blank_picture();
  move_player();
  EXPECT_EQ(game.player_x, 257);
  destroy_bitmap(sprite);
}

TEST(WallProbe, UnalignedSideIsBlockedAndOutsideThePictureIsNeverWall) {
  fresh_game();
  blank_picture();
  EXPECT_FALSE(probe_clear(DIR_LEFT, 256, 257));
  EXPECT_FALSE(probe_clear(DIR_RIGHT, 256, 264));
  EXPECT_FALSE(probe_clear(DIR_UP, 255, 256));
  EXPECT_FALSE(probe_clear(DIR_DOWN, 8, 256));
  EXPECT_TRUE(probe_clear(DIR_UP, 256, 255));
  EXPECT_TRUE(probe_clear(DIR_LEFT, 255, 256));

  // A picture that is wall colour everywhere: only strips lying wholly
  // outside it are clear.
  clear_to_color(back_buffer, WALL_COLOUR);
  EXPECT_EQ(back_pixel(100, 100), WALL_COLOUR);
  EXPECT_TRUE(probe_clear(DIR_LEFT, 0, 160));
  EXPECT_TRUE(probe_clear(DIR_UP, 160, 0));
  EXPECT_TRUE(probe_clear(DIR_RIGHT, 608, 160));
  EXPECT_TRUE(probe_clear(DIR_DOWN, 160, 448));
  EXPECT_FALSE(probe_clear(DIR_LEFT, 16, 160));
  EXPECT_FALSE(probe_clear(DIR_UP, 160, 16));
  EXPECT_FALSE(probe_clear(DIR_RIGHT, 592, 160));
  EXPECT_FALSE(probe_clear(DIR_DOWN, 160, 432));
  // A strip partly outside the picture still sees the part inside.
  EXPECT_FALSE(probe_clear(DIR_LEFT, 16, 464));
  EXPECT_FALSE(probe_clear(DIR_DOWN, 624, 400));
  clear_to_color(back_buffer, 0);
}
