// The title screen: the parade's positions and picture, and the keys that
// end it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/platform.h"
#include "app/title.h"
#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

using V = std::vector<int>;
int clears_before_toggle;  // key-buffer clears when the display was switched

void rec_toggle() {
  clears_before_toggle = fake.keybuf_clears;
  ++fake.toggles;
}

// The title with the fourteen rows in their order, all at these positions;
// rows moving left (y > 0 here) are mirrored at 640 - x.
BITMAP *expected_parade(int player_x, const int ghost_x[GHOSTS]) {
  const int rows[14] = {6, 70, 134, 192, 256, 320, 384, -32, -96, -160, -224, -288, -416, -352};
  BITMAP *b = create_bitmap(640, 480);
  blit(assets.title, b, 0, 0, 0, 0, 640, 480);
  for (int y : rows) {
    int dir = y > 0 ? DIR_LEFT : DIR_RIGHT;
    auto at = [&](int x) { return y > 0 ? 640 - x : x; };
    for (int k = 0; k < GHOSTS; ++k) draw_sprite(b, assets.ghost[k][dir], at(ghost_x[k]), std::abs(y));
    draw_player(b, (player_x / 8) % 6, dir, at(player_x), std::abs(y));
  }
  return b;
}

// Pixels of `a` that differ from `b`, or from black without `b`.
int pixels_differing(BITMAP *a, BITMAP *b = nullptr) {
  int n = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) n += getpixel(a, x, y) != (b ? getpixel(b, x, y) : 0);
  return n;
}

class Title : public testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    platform.toggle_display = rec_toggle;
    clears_before_toggle = -1;
    clear_to_color(back_buffer, 0x1234);
    quit = false;
  }
  void TearDown() override { release_all_keys(); }
  bool quit;
};

TEST_F(Title, ParadeStartsInItsRowAndMovesOnePixelAFrame) {
  game.player_dir = DIR_UP;
  for (int k = 0; k < GHOSTS; ++k) game.ghost_dir[k] = DIR_DOWN, game.ghost_mode[k] = GHOST_FRIGHTENED;
  start_parade();
  EXPECT_EQ((V{game.player_x, game.player_y, game.player_dir}), (V{128, 352, DIR_LEFT}));
  for (int k = 0; k < GHOSTS; ++k)
    EXPECT_EQ((V{game.ghost_x[k], game.ghost_y[k], game.ghost_dir[k], game.ghost_mode[k]}),
              (V{32 * k, 352, DIR_RIGHT, GHOST_NORMAL}));
  // Each picture shows the positions its frame began with; the last two frames wrap above 640.
  const int layouts[4][5] = {
      {128, 0, 32, 64, 96}, {129, 1, 33, 65, 97}, {639, 640, 639, 0, 620}, {640, 0, 640, 1, 621}};
  for (const auto &l : layouts) {
    game.player_x = l[0];
    for (int k = 0; k < GHOSTS; ++k) game.ghost_x[k] = l[1 + k];
    BITMAP *want = expected_parade(l[0], l + 1);
    EXPECT_FALSE(parade_frame(&quit));
    EXPECT_EQ(pixels_differing(back_buffer, want), 0) << "player at " << l[0];
    destroy_bitmap(want);
    EXPECT_EQ(game.player_x, l[0] == 640 ? 0 : l[0] + 1);
    for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_x[k], l[1 + k] == 640 ? 0 : l[1 + k] + 1) << k;
  }
}

TEST_F(Title, KeyEndsTheParadeAndEscapeOrCloseQuitsWithABlackBuffer) {
  for (int how = 0; how < 3; ++how) {  // a key, Escape, the close button
    SetUp();
    start_parade();
    fake.keys_waiting = 1;
    if (how == 1) key[KEY_ESC] = 1;
    if (how == 2) fake.close = 1;
    if (how > 0) key[KEY_F1] = 1;  // not looked at once quitting
    EXPECT_TRUE(parade_frame(&quit)) << how;
    EXPECT_EQ(quit, how > 0) << how;
    EXPECT_EQ(pixels_differing(back_buffer), 0) << how;
    EXPECT_EQ(getpixel(fake.screen, 320, 240), 0x1234) << how;  // the last picture was still shown
    EXPECT_EQ(fake.toggles, 0) << how;
    release_all_keys();
  }
}

TEST_F(Title, F1ClearsTheKeysThenSwitchesWithoutStartingAGame) {
  start_parade();
  key[KEY_F1] = 1;
  fake.keys_waiting = 1;  // F1's own key press
  EXPECT_FALSE(parade_frame(&quit));
  EXPECT_EQ((V{clears_before_toggle, fake.toggles}), (V{1, 1}));
  EXPECT_EQ(game.player_x, 129);
}

TEST_F(Title, RunTitleParadesUntilAKeyAndQuitsOnEscapeStillHeld) {
  static int asked;
  asked = 0;
  platform.keypressed = [] { return int(++asked == 3); };
  EXPECT_EQ(run_title(), TITLE_START_GAME);
  EXPECT_EQ(fake.rests, V{10});  // between two flushes
  EXPECT_EQ((V{fake.keybuf_clears, fake.presents, fake.ticks}), (V{2, 3, 2}));  // three paced frames

  // Escape going down with the key that ends the parade, after the parade's
  // own Escape test, still quits.
  SetUp();
  platform.keypressed = [] {
    key[KEY_ESC] = 1;
    return 1;
  };
  EXPECT_EQ(run_title(), TITLE_QUIT);
}

}  // namespace
