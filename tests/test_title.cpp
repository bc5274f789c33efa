// The title screen: the parade's positions and picture, and the keys that
// end it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/platform.h"
#include "app/title.h"
#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

std::vector<std::string> events;
Platform fake_entries;
void (*after_wait)() = nullptr;
void (*during_toggle)() = nullptr;
int (*keypressed_override)() = nullptr;
std::vector<int> waited_for;

void rec_present(BITMAP *b) {
  events.push_back("present");
  fake_entries.present(b);
}
void rec_rest(int ms) {
  events.push_back("rest " + std::to_string(ms));
  fake_entries.rest(ms);
}
void rec_toggle() {
  events.push_back("toggle");
  fake_entries.toggle_display();
  if (during_toggle) during_toggle();
}
void rec_clear_keybuf() {
  events.push_back("clear_keybuf");
  fake_entries.clear_keybuf();
}
int rec_keypressed() { return keypressed_override ? keypressed_override() : fake_entries.keypressed(); }
void rec_wait_tick(int t) {
  waited_for.push_back(t);
  fake_entries.wait_tick(t);
  if (after_wait) after_wait();
}

struct Positions {
  int player_x, player_y;
  int ghost_x[GHOSTS];
};

Positions positions() {
  Positions p;
  p.player_x = game.player_x;
  p.player_y = game.player_y;
  for (int k = 0; k < GHOSTS; ++k) p.ghost_x[k] = game.ghost_x[k];
  return p;
}

// The player frame facing right (a quarter turn clockwise), and facing left:
// the mirror image of facing right.
BITMAP *player_facing(int frame, bool left) {
  BITMAP *up = assets.player[frame];
  BITMAP *right = create_bitmap(up->w, up->h);
  clear_to_color(right, bitmap_mask_color(right));
  rotate_sprite(right, up, 0, 0, itofix(64));
  if (!left) return right;
  BITMAP *mirrored = create_bitmap(up->w, up->h);
  clear_to_color(mirrored, bitmap_mask_color(mirrored));
  draw_sprite_h_flip(mirrored, right, 0, 0);
  destroy_bitmap(right);
  return mirrored;
}

// The title with the fourteen parade rows for these positions: seven rows
// moving left, mirrored at 640 - x, and seven moving right, all drawn with
// the positions the frame started with.
BITMAP *expected_parade(const Positions &p) {
  struct Row {
    bool left;
    int y;
  };
  const Row rows[14] = {{true, 6},    {true, 70},   {true, 134},  {true, 192},  {true, 256},
                        {true, 320},  {true, 384},  {false, 32},  {false, 96},  {false, 160},
                        {false, 224}, {false, 288}, {false, 416}, {false, 352}};
  BITMAP *b = create_bitmap(640, 480);
  blit(assets.title, b, 0, 0, 0, 0, 640, 480);
  BITMAP *to_left = player_facing((p.player_x / 8) % 6, true);
  BITMAP *to_right = player_facing((p.player_x / 8) % 6, false);
  for (const Row &row : rows) {
    for (int k = 0; k < GHOSTS; ++k) {
      if (row.left)
        draw_sprite(b, assets.ghost[k][DIR_LEFT], 640 - p.ghost_x[k], row.y);
      else
        draw_sprite(b, assets.ghost[k][DIR_RIGHT], p.ghost_x[k], row.y);
    }
    draw_sprite(b, row.left ? to_left : to_right, row.left ? 640 - p.player_x : p.player_x, row.y);
  }
  destroy_bitmap(to_left);
  destroy_bitmap(to_right);
  return b;
}

int pixels_differing(BITMAP *a, BITMAP *b) {
  int n = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) n += getpixel(a, x, y) != getpixel(b, x, y);
  return n;
}

int pixels_not(BITMAP *b, int colour) {
  int n = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) n += getpixel(b, x, y) != colour;
  return n;
}

// Checks that every opaque pixel of `sprite` shows at (x, y) of the back
// buffer; returns how many were checked.
int expect_sprite_at(BITMAP *sprite, int x, int y) {
  int mask = bitmap_mask_color(sprite), checked = 0;
  for (int j = 0; j < sprite->h; ++j)
    for (int i = 0; i < sprite->w; ++i) {
      int p = getpixel(sprite, i, j);
      if (p == mask || x + i >= 640) continue;
      EXPECT_EQ(back_pixel(x + i, y + j), p) << "sprite pixel " << i << "," << j << " at " << x << "," << y;
      ++checked;
    }
  return checked;
}

class Title : public testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    fake_entries = platform;
    platform.present = rec_present;
    platform.rest = rec_rest;
    platform.toggle_display = rec_toggle;
    platform.clear_keybuf = rec_clear_keybuf;
    platform.keypressed = rec_keypressed;
    platform.wait_tick = rec_wait_tick;
    events.clear();
    waited_for.clear();
    after_wait = nullptr;
    during_toggle = nullptr;
    keypressed_override = nullptr;
    clear_to_color(back_buffer, 0);
  }
  void TearDown() override {
    after_wait = nullptr;
    during_toggle = nullptr;
    keypressed_override = nullptr;
    release_all_keys();
  }
};

TEST_F(Title, ParadeStartsInItsRow) {
  game.player_x = 7;
  game.player_y = 8;
  game.player_dir = DIR_UP;
  for (int k = 0; k < GHOSTS; ++k) {
    game.ghost_x[k] = 300;
    game.ghost_y[k] = 12;
    game.ghost_dir[k] = DIR_DOWN;
    game.ghost_mode[k] = GHOST_FRIGHTENED;
  }
  start_parade();
  EXPECT_EQ(game.player_x, 128);
  EXPECT_EQ(game.player_y, 352);
  EXPECT_EQ(game.player_dir, DIR_LEFT);
  for (int k = 0; k < GHOSTS; ++k) {
    EXPECT_EQ(game.ghost_x[k], 32 * k) << k;
    EXPECT_EQ(game.ghost_y[k], 352) << k;
    EXPECT_EQ(game.ghost_dir[k], DIR_RIGHT) << k;
    EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL) << k;
  }
}

TEST_F(Title, EachFrameMovesEveryoneOnePixel) {
  start_parade();
  bool quit = false;
  EXPECT_FALSE(parade_frame(&quit));
  EXPECT_FALSE(quit);
  EXPECT_EQ(game.player_x, 129);
  EXPECT_EQ(game.player_y, 352);
  for (int k = 0; k < GHOSTS; ++k) {
    EXPECT_EQ(game.ghost_x[k], 32 * k + 1) << k;
    EXPECT_EQ(game.ghost_y[k], 352) << k;
  }
  EXPECT_FALSE(parade_frame(&quit));
  EXPECT_EQ(game.player_x, 130);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_x[k], 32 * k + 2) << k;
  EXPECT_EQ(fake.presents, 2);
}

TEST_F(Title, PositionsWrapAbove640) {
  start_parade();
  game.player_x = 640;
  const int from[GHOSTS] = {640, 639, 0, 300};
  const int to[GHOSTS] = {0, 640, 1, 301};
  for (int k = 0; k < GHOSTS; ++k) game.ghost_x[k] = from[k];
  bool quit = false;
  parade_frame(&quit);
  EXPECT_EQ(game.player_x, 0);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_x[k], to[k]) << k;

  game.player_x = 639;
  parade_frame(&quit);
  EXPECT_EQ(game.player_x, 640);
}

TEST_F(Title, FramePictureIsTheTitleWithTheFourteenRows) {
  start_parade();
  // The starting line-up, one further on, and one wrapping at the edges.
  const int layouts[3][5] = {
      {128, 0, 32, 64, 96}, {129, 1, 33, 65, 97}, {630, 500, 540, 580, 620}};
  for (const auto &l : layouts) {
    game.player_x = l[0];
    for (int k = 0; k < GHOSTS; ++k) game.ghost_x[k] = l[1 + k];
    BITMAP *want = expected_parade(positions());
    bool quit = false;
    parade_frame(&quit);
    EXPECT_EQ(pixels_differing(back_buffer, want), 0) << "player at " << l[0];
    destroy_bitmap(want);
  }
}

TEST_F(Title, SpritesFaceTheirRowsWay) {
  start_parade();
  bool quit = false;
  parade_frame(&quit);
  // Ghost 1 started at x 32: right-facing at x 32 in the row at y 352 (drawn
  // before it moved on), left-facing at 640 - 32 in the row at y 6.
  EXPECT_GT(expect_sprite_at(assets.ghost[1][DIR_RIGHT], 32, 352), 0);
  EXPECT_GT(expect_sprite_at(assets.ghost[1][DIR_LEFT], 608, 6), 0);
  EXPECT_GT(expect_sprite_at(assets.ghost[3][DIR_RIGHT], 96, 416), 0);
  EXPECT_GT(expect_sprite_at(assets.ghost[2][DIR_LEFT], 576, 192), 0);
  // The player (frame 128 / 8 % 6 = 4) faces right at x 128 and left,
  // mirrored, at 640 - 128.
  BITMAP *to_right = player_facing(4, false);
  BITMAP *to_left = player_facing(4, true);
  EXPECT_GT(expect_sprite_at(to_right, 128, 352), 0);
  EXPECT_GT(expect_sprite_at(to_left, 512, 6), 0);
  EXPECT_GT(expect_sprite_at(to_left, 512, 384), 0);
  destroy_bitmap(to_right);
  destroy_bitmap(to_left);
  // The title shows around them.
  BITMAP *t = assets.title;
  for (int x = 200; x < 480; x += 13) EXPECT_EQ(back_pixel(x, 360), getpixel(t, x, 360)) << x;
}

TEST_F(Title, KeyEndsTheParadeWithABlackBuffer) {
  start_parade();
  clear_to_color(back_buffer, 0x1234);
  fake.keys_waiting = 1;
  bool quit = false;
  EXPECT_TRUE(parade_frame(&quit));
  EXPECT_FALSE(quit);
  EXPECT_EQ(pixels_not(back_buffer, 0), 0);
  // The last picture was still shown.
  EXPECT_EQ(fake.presents, 1);
  EXPECT_EQ(pixels_not(fake.screen, 0x1234), 0);
  EXPECT_EQ(game.player_x, 128);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_x[k], 32 * k);
}

TEST_F(Title, EscapeOrTheCloseButtonQuitsAtOnce) {
  for (int how = 0; how < 2; ++how) {
    SetUp();
    start_parade();
    if (how == 0)
      key[KEY_ESC] = 1;
    else
      fake.close = 1;
    key[KEY_F1] = 1;
    clear_to_color(back_buffer, 0x1234);
    bool quit = false;
    EXPECT_TRUE(parade_frame(&quit)) << how;
    EXPECT_TRUE(quit) << how;
    EXPECT_EQ(fake.toggles, 0) << how;
    EXPECT_EQ(fake.presents, 1) << how;
    EXPECT_EQ(pixels_not(back_buffer, 0), 0) << how;
  }
}

TEST_F(Title, F1SwitchesTheDisplayWithoutStartingAGame) {
  start_parade();
  key[KEY_F1] = 1;
  fake.keys_waiting = 1;  // F1's own key press
  bool quit = false;
  EXPECT_FALSE(parade_frame(&quit));
  EXPECT_FALSE(quit);
  EXPECT_EQ(events, (std::vector<std::string>{"present", "clear_keybuf", "toggle"}));
  EXPECT_EQ(fake.keys_waiting, 0);
  EXPECT_EQ(game.player_x, 129);
  // Held down, it switches again in every frame.
  for (int i = 0; i < 3; ++i) {
    fake.keys_waiting = 1;
    EXPECT_FALSE(parade_frame(&quit));
  }
  EXPECT_EQ(fake.toggles, 4);
  EXPECT_EQ(fake.keybuf_clears, 4);
}

TEST_F(Title, KeyPressedDuringTheSwitchStartsAGame) {
  start_parade();
  key[KEY_F1] = 1;
  during_toggle = [] { fake.keys_waiting = 1; };
  bool quit = false;
  EXPECT_TRUE(parade_frame(&quit));
  EXPECT_FALSE(quit);
  EXPECT_EQ(fake.toggles, 1);
  EXPECT_EQ(pixels_not(back_buffer, 0), 0);
}

TEST_F(Title, RunTitleParadesUntilAKey) {
  fake.keys_waiting = 1;  // typed before the title: flushed
  static int frames_left;
  frames_left = 3;
  after_wait = [] {
    if (--frames_left == 0) fake.keys_waiting = 1;
  };
  EXPECT_EQ(run_title(), TITLE_START_GAME);
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 4),
            (std::vector<std::string>{"clear_keybuf", "rest 10", "clear_keybuf", "present"}));
  EXPECT_EQ(fake.presents, 4);
  EXPECT_EQ(fake.ticks, 3);
  EXPECT_EQ(waited_for, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(game.player_x, 131);
  EXPECT_EQ(pixels_not(back_buffer, 0), 0);
}

TEST_F(Title, RunTitleShowsTheTitlePictureFirstAndQuitsOnEscape) {
  key[KEY_ESC] = 1;
  EXPECT_EQ(run_title(), TITLE_QUIT);
  EXPECT_EQ(fake.presents, 1);
  EXPECT_EQ(pixels_differing(fake.screen, assets.title), 0);
}

TEST_F(Title, RunTitleQuitsOnTheCloseButton) {
  fake.close = 1;
  EXPECT_EQ(run_title(), TITLE_QUIT);
}

TEST_F(Title, EscapeStillHeldAfterTheStartingKeyQuits) {
  // Escape goes down with the key that ends the parade, after the parade's
  // own Escape test.
  keypressed_override = [] {
    key[KEY_ESC] = 1;
    return 1;
  };
  EXPECT_EQ(run_title(), TITLE_QUIT);
  EXPECT_EQ(fake.presents, 1);

  // A tap released before either test only starts a game.
  SetUp();
  keypressed_override = [] { return 1; };
  EXPECT_EQ(run_title(), TITLE_START_GAME);
}

}  // namespace
