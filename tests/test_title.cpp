// The title screen: the parade's positions and picture, and the keys that end it.
#include <algorithm>
#include <cstring>

#include "app/title.h"
#include "cycle_support.h"
#include "game/display_key.h"

namespace {

// The parade picture for player and ghost positions l, each sprite drawn masked and the player turned for its
// row. Fourteen rows in this order, all at the frame's first positions (the last row moves the ghosts only after
// drawing them); rows moving left (y > 0 here) at 640 - x.
void draw_parade_by_hand(BITMAP *want, const V &l) {
  const int rows[14] = {6, 70, 134, 192, 256, 320, 384, -32, -96, -160, -224, -288, -416, -352};
  blit(assets.title, want, 0, 0, 0, 0, 640, 480);
  for (int y : rows) {
    int dir = y > 0 ? DIR_LEFT : DIR_RIGHT;
    auto at = [&](int x) { return y > 0 ? 640 - x : x; };
    for (int k = 0; k < GHOSTS; ++k) draw_sprite(want, assets.ghost[k][dir], at(l[1 + k]), std::abs(y));
    draw_player(want, (l[0] / 8) % 6, dir, at(l[0]), std::abs(y));
  }
}

V parade_positions() { return {game.player_x, game.ghost_x[0], game.ghost_x[1], game.ghost_x[2], game.ghost_x[3]}; }

class Title : public testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    quit = false;
    for (int i = 0; i < DISPLAY_KEY_SETTLE_FRAMES; ++i) display_key_pressed();  // F1 long up
    clear_to_color(back_buffer, 0x1234);
    start_parade();
  }
  void TearDown() override { release_all_keys(); }
  bool quit;
};

TEST_F(Title, ParadeStartsInItsRowAndMovesOnePixelAFrame) {
  EXPECT_EQ((V{game.player_x, game.player_y, game.ghost_x[0], game.ghost_x[1], game.ghost_x[2], game.ghost_x[3]}),
            (V{128, 352, 0, 32, 64, 96}));
  // Past 640 a sprite restarts at 0.
  for (V l : {V{128, 0, 32, 64, 96}, V{639, 640, 639, 0, 620}, V{640, 0, 640, 1, 621}}) {
    game.player_x = l[0], std::copy(l.begin() + 1, l.end(), game.ghost_x);
    BITMAP *want = create_bitmap(640, 480);
    draw_parade_by_hand(want, l);
    EXPECT_FALSE(parade_frame(&quit));
    EXPECT_EQ(pixels_differing(back_buffer, want), 0) << "player at " << l[0];
    destroy_bitmap(want);
    for (int i = 0; i < 5; ++i) EXPECT_EQ((i ? game.ghost_x[i - 1] : game.player_x), l[i] == 640 ? 0 : l[i] + 1) << i;
  }
}

// The parade draws pictures made once from the loaded ones; they must leave exactly the pixels of drawing each
// sprite as it comes. A whole round of 641 positions brings every sprite through the right edge and the wrap; then
// fully opaque pictures show any pixel that turning the player could put outside its 32x32 square.
TEST_F(Title, AWholeRoundOfTheParadeIsDrawnAsEachSpriteWouldBe) {
  BITMAP *want = create_bitmap(640, 480);
  auto same_as_by_hand = [&](int frames) {
    for (int frame = 0; frame < frames; ++frame) {
      draw_parade_by_hand(want, parade_positions());
      EXPECT_FALSE(parade_frame(&quit));
      for (int y = 0; y < 480; ++y)
        ASSERT_EQ(memcmp(back_buffer->line[y], want->line[y], 640 * 2), 0) << "frame " << frame << ", row " << y;
    }
  };
  same_as_by_hand(700);

  const AssetSet saved = assets;
  std::vector<BITMAP *> opaque;
  auto make_opaque = [&](BITMAP *&slot) {
    opaque.push_back(slot = create_bitmap(32, 32));
    for (int i = 0; i < 32 * 32; ++i) putpixel(slot, i % 32, i / 32, makecol(i % 251, 8 * opaque.size(), i / 4));
  };
  for (BITMAP *&frame : assets.player) make_opaque(frame);
  for (auto &ghost : assets.ghost) make_opaque(ghost[DIR_RIGHT]), make_opaque(ghost[DIR_LEFT]);
  start_parade();
  game.player_x = 560;  // every frame of the player, through the edge and the wrap
  for (int k = 0; k < GHOSTS; ++k) game.ghost_x[k] = 432 + 32 * k;
  same_as_by_hand(120);
  for (BITMAP *b : opaque) destroy_bitmap(b);
  assets = saved;
  start_parade();
  destroy_bitmap(want);
}

TEST_F(Title, EachKeyInTheBufferActsOnWhatItIs) {
  // Keys taken from the buffer, however short their press (none is down in key[] here unless said).
  struct Case { std::deque<int> keys; bool f1_down, close; V want; };  // ended, quit, toggles, presents, keys left
  const Case cases[] = {
      {{KEY_SPACE}, false, false, {1, 0, 0, 0, 0}},
      {{KEY_ESC}, false, false, {1, 1, 0, 0, 0}},
      {{}, false, true, {1, 1, 0, 0, 0}},                          // the close button
      {{KEY_F1}, false, false, {0, 0, 1, 1, 0}},                   // F1 switches, the parade goes on
      {{KEY_F1, KEY_F1, KEY_F1}, true, false, {0, 0, 1, 1, 0}},    // held, with its repeats: once
      {{KEY_F1, KEY_A, KEY_ESC}, false, false, {1, 0, 1, 0, 1}},   // a key during the switch starts a game
      {{KEY_ESC, KEY_A}, false, false, {1, 1, 0, 0, 1}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(&c - cases);
    SetUp();
    fake.keys = c.keys, key[KEY_F1] = c.f1_down, fake.close = c.close;
    bool ended = parade_frame(&quit);
    EXPECT_EQ((V{ended, quit, fake.toggles, fake.presents, int(fake.keys.size())}), c.want);
    // Ended: nothing composed; going on: the next parade picture composed and moved on.
    EXPECT_EQ((V{getpixel(back_buffer, 320, 240) == 0x1234, game.player_x}), (V{ended, ended ? 128 : 129}));
  }
}

TEST_F(Title, RunTitleParadesUntilAKeyAndQuitsOnEscapeStillHeld) {
  platform.keypressed = [] { return int(fake.presents == 3 || fake.ticks > 9); };
  EXPECT_EQ(run_title(), TITLE_START_GAME);
  EXPECT_EQ(fake.rests, V{10});  // between two flushes
  EXPECT_EQ((V{fake.keybuf_clears, fake.presents, fake.ticks}), (V{2, 3, 3}));  // three paced frames, the fourth ends
  // Escape going down with the key that ends the parade still quits.
  SetUp();
  platform.keypressed = [] { return int(key[KEY_ESC] = 1); };
  EXPECT_EQ(run_title(), TITLE_QUIT);
}

}  // namespace
