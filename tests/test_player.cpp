// The pixel wall test and the player's steering and one-pixel movement.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/draw_frame.h"

// A fresh game with the player at (x, y) on an open black picture.
static void fresh_game(int x = PLAYER_START_X, int y = PLAYER_START_Y, int dir = DIR_LEFT) {
  use_fake_platform();
  game = GameState();
  reset_actors();
  reset_maze();
  clear_to_color(back_buffer, 0);
  game.player_x = x, game.player_y = y, game.player_dir = dir;
}

// One frame of the player alone on the maze picture.
static void frame_step() {
  clear_to_color(back_buffer, 0);
  draw_frame();
  steer_player();
  move_player();
}

TEST(PlayerMovement, RunsLeftFromTheStartToX16AndWrapsBetween8And480InOneStep) {
  fresh_game();
  for (int i = 0; i < PLAYER_START_X - 17; ++i) frame_step();
  EXPECT_EQ(game.player_x, 17);  // one pixel a frame
  for (int i = 0; i < 6; ++i) frame_step();  // blocked, it stays and keeps its direction
  EXPECT_EQ(std::tuple(game.player_x, game.player_y, game.player_dir), std::tuple(16, PLAYER_START_Y, (int)DIR_LEFT));
  const int cases[][3] = {{8, DIR_LEFT, 480}, {9, DIR_LEFT, 8}, {480, DIR_RIGHT, 8}, {479, DIR_RIGHT, 8},
                          {478, DIR_RIGHT, 479}};
  for (auto &c : cases) {
    fresh_game(c[0], 160, c[1]);
    frame_step();
    EXPECT_EQ(game.player_x, c[2]) << "from " << c[0];
  }
}

TEST(PlayerSteering, TurnsOnlyWhereAlignedAndOpenAndTheLaterKeyWins) {
  // Holding up from the start, it turns at x 176; let go one pixel early, the turn is lost.
  const int cases[][4] = {{300, 176, PLAYER_START_Y - 6, DIR_UP}, {240 - 177, 172, PLAYER_START_Y, DIR_LEFT}};
  for (auto &c : cases) {
    fresh_game();
    key[KEY_UP] = 1;
    for (int i = 0; i < c[0] && game.player_dir == DIR_LEFT; ++i) frame_step();
    key[KEY_UP] = 0;
    for (int i = 0; i < 5; ++i) frame_step();
    EXPECT_EQ(std::tuple(game.player_x, game.player_y, game.player_dir), std::tuple(c[1], c[2], c[3])) << c[0];
  }
  fresh_game(256, 256, DIR_UP);
  key[KEY_LEFT] = key[KEY_RIGHT] = key[KEY_UP] = key[KEY_DOWN] = 1;
  for (auto [k, d] : {std::pair{KEY_DOWN, DIR_DOWN}, {KEY_UP, DIR_UP}, {KEY_RIGHT, DIR_RIGHT}, {KEY_LEFT, DIR_LEFT}}) {
    steer_player();  // the last key still held decides
    EXPECT_EQ(game.player_dir, d);
    key[k] = 0;
  }
  // A later key toward a wall leaves the earlier one in charge.
  putpixel(back_buffer, 256 + 15, 256 + 32, WALL_COLOUR);
  game.player_dir = DIR_UP;
  key[KEY_LEFT] = key[KEY_DOWN] = 1;
  steer_player();
  EXPECT_EQ(game.player_dir, DIR_LEFT);
}

TEST(WallProbe, OnlyASpritePixelOfTheExactWallColourInThe31PixelsOutsideAnAlignedSideBlocks) {
  fresh_game();
  const int x = 256, y = 192;
  const int start[4][2] = {{x, y - 1}, {x + 32, y}, {x, y + 32}, {x - 1, y}};  // up, right, down, left
  BITMAP *sprite = create_bitmap(3, 3);
  for (int side = 0; side < 4; ++side)
    for (int i : {-1, 0, 30, 31})
      for (int colour : {WALL_COLOUR, 0xffdf, 0xffe1, DOT_COLOUR}) {
        clear_to_color(back_buffer, 0);
        clear_to_color(sprite, bitmap_mask_color(sprite));
        putpixel(sprite, 1, 1, colour);
        draw_sprite(back_buffer, sprite, start[side][0] + i * (side % 2 == 0) - 1, start[side][1] + i * (side % 2) - 1);
        bool blocks = colour == WALL_COLOUR && i >= 0 && i <= 30;
        EXPECT_EQ(probe_clear(side, x, y), !blocks) << "side " << side << " offset " << i << " colour " << colour;
      }
  destroy_bitmap(sprite);
  clear_to_color(back_buffer, 0);  // off the grid across the side is blocked, along it not
  for (int side = 0; side < 4; ++side)
    EXPECT_TRUE(!probe_clear(side, x + !(side % 2), y + side % 2) && probe_clear(side, x + side % 2, y + !(side % 2)))
        << side;
  clear_to_color(back_buffer, WALL_COLOUR);  // outside the picture is never wall, the rest is seen
  const int outside[][4] = {{DIR_LEFT, 0, 160, 1}, {DIR_DOWN, 160, 448, 1}, {DIR_DOWN, 624, 400, 0}};
  for (auto &c : outside) EXPECT_EQ(probe_clear(c[0], c[1], c[2]), c[3] == 1) << c[0] << " at " << c[1] << "," << c[2];
}
