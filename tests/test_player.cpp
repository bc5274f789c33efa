// The pixel wall test and the player's steering and one-pixel movement.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/draw_frame.h"

namespace {

void fresh_game() {
  use_fake_platform();
  game = GameState();
  reset_actors();
  reset_maze();
}

// One frame of the player alone on the maze picture.
void frame_step() {
  clear_to_color(back_buffer, 0);
  draw_frame();
  steer_player();
  move_player();
}

// A fresh game with the player at (x, y) on an open black picture.
void on_blank(int x, int y, int dir) {
  fresh_game();
  clear_to_color(back_buffer, 0);
  game.player_x = x, game.player_y = y, game.player_dir = dir;
}

}  // namespace

TEST(PlayerMovement, FromTheStartWithNoKeyRunsLeftAndStopsAtX16) {
  fresh_game();
  for (int i = 0; i < PLAYER_START_X - 17; ++i) frame_step();
  EXPECT_EQ(game.player_x, 17);  // one pixel a frame
  for (int i = 0; i < 6; ++i) frame_step();  // blocked, it stays and keeps its direction
  EXPECT_EQ(game.player_x, 16);
  EXPECT_EQ(game.player_y, PLAYER_START_Y);
  EXPECT_EQ(game.player_dir, DIR_LEFT);
}

TEST(PlayerMovement, TunnelWrapsBetween8And480InOneStep) {
  const int cases[][3] = {{8, DIR_LEFT, 480}, {9, DIR_LEFT, 8}, {479, DIR_RIGHT, 8}, {480, DIR_RIGHT, 8},
                          {478, DIR_RIGHT, 479}};
  for (auto &c : cases) {
    fresh_game();
    game.player_x = c[0], game.player_y = 160, game.player_dir = c[1];
    frame_step();
    EXPECT_EQ(game.player_x, c[2]) << "from " << c[0];
    EXPECT_EQ(game.player_y, 160);
  }
}

TEST(PlayerSteering, TurnKeyIsObeyedOnlyWhenAlignedAndOpen) {
  // Holding up from the start: the first open way up along rows 19 and 20 is at x 176.
  fresh_game();
  key[KEY_UP] = 1;
  for (int i = 0; i < 300 && game.player_dir == DIR_LEFT; ++i) frame_step();
  EXPECT_EQ(game.player_x, 176);
  EXPECT_EQ(game.player_y, PLAYER_START_Y - 1);
  // Off the grid across the turn, on an open picture, nothing changes.
  for (auto [x, y, dir, k] : {std::array<int, 4>{241, 256, DIR_LEFT, KEY_UP}, {256, 250, DIR_DOWN, KEY_RIGHT}}) {
    on_blank(x, y, dir);
    key[k] = 1;
    steer_player();
    EXPECT_EQ(game.player_dir, dir);
  }
  // No remembered turn: up let go one pixel before the junction is lost.
  fresh_game();
  key[KEY_UP] = 1;
  for (int i = 0; i < 240 - 177; ++i) frame_step();
  key[KEY_UP] = 0;
  for (int i = 0; i < 5; ++i) frame_step();
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  EXPECT_EQ(game.player_x, 172);
}

TEST(PlayerSteering, LaterKeyOverridesEarlierOne) {
  on_blank(256, 256, DIR_UP);
  key[KEY_LEFT] = key[KEY_RIGHT] = key[KEY_UP] = key[KEY_DOWN] = 1;
  for (auto [k, dir] : {std::pair{KEY_DOWN, DIR_DOWN}, {KEY_UP, DIR_UP}, {KEY_RIGHT, DIR_RIGHT}, {KEY_LEFT, DIR_LEFT}}) {
    steer_player();  // the last key still held decides
    EXPECT_EQ(game.player_dir, dir);
    key[k] = 0;
  }
  // A later key toward a wall leaves the earlier one in charge.
  on_blank(256, 256, DIR_UP);
  putpixel(back_buffer, 256 + 15, 256 + 32, WALL_COLOUR);
  key[KEY_LEFT] = key[KEY_DOWN] = 1;
  steer_player();
  move_player();
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  EXPECT_EQ(game.player_x, 255);
}

TEST(WallProbe, ThirtyOnePixelsOutsideTheAlignedSideOnlyOfTheExactWallColourInsideThePicture) {
  fresh_game();
  const int x = 256, y = 192;
  // Start and step of the strip for up, right, down, left.
  const int start[4][2] = {{x, y - 1}, {x + 32, y}, {x, y + 32}, {x - 1, y}};
  const int step[4][2] = {{1, 0}, {0, 1}, {1, 0}, {0, 1}};
  for (int side = 0; side < 4; ++side)
    for (int i : {-1, 0, 30, 31})
      for (int colour : {WALL_COLOUR, 0xffdf, 0xffe1, DOT_COLOUR}) {
        clear_to_color(back_buffer, 0);
        putpixel(back_buffer, start[side][0] + i * step[side][0], start[side][1] + i * step[side][1], colour);
        bool blocks = colour == WALL_COLOUR && i >= 0 && i <= 30;
        EXPECT_EQ(probe_clear(side, x, y), !blocks) << "side " << side << " offset " << i << " colour " << colour;
      }
  // Off the grid across the side is blocked; along it does not matter.
  clear_to_color(back_buffer, 0);
  for (int side = 0; side < 4; ++side) {
    EXPECT_FALSE(probe_clear(side, x + (side % 2 == 0), y + side % 2)) << side;
    EXPECT_TRUE(probe_clear(side, x + side % 2, y + (side % 2 == 0))) << side;
  }
  // Outside the picture is never wall: on a picture of wall colour only strips
  // wholly outside it are clear.
  clear_to_color(back_buffer, WALL_COLOUR);
  EXPECT_TRUE(probe_clear(DIR_LEFT, 0, 160));
  EXPECT_TRUE(probe_clear(DIR_UP, 160, 0));
  EXPECT_TRUE(probe_clear(DIR_RIGHT, 608, 160));
  EXPECT_TRUE(probe_clear(DIR_DOWN, 160, 448));
  EXPECT_FALSE(probe_clear(DIR_LEFT, 16, 464));  // partly outside, the rest is seen
  EXPECT_FALSE(probe_clear(DIR_DOWN, 624, 400));
}

TEST(WallProbe, SpritePixelOfTheWallColourBlocksThePlayer) {
  on_blank(256, 256, DIR_RIGHT);
  BITMAP *sprite = create_bitmap(4, 4);
  clear_to_color(sprite, bitmap_mask_color(sprite));
  putpixel(sprite, 2, 1, WALL_COLOUR);
  draw_sprite(back_buffer, sprite, 256 + 32 - 2, 256 + 20);
  destroy_bitmap(sprite);
  move_player();
  EXPECT_EQ(game.player_x, 256);
  clear_to_color(back_buffer, 0);
  move_player();
  EXPECT_EQ(game.player_x, 257);
}
