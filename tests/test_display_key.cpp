// F1 switches the display once per press, on the title and in a game,
// however many frames it is held.
#include "app/title.h"
#include "cycle_support.h"
#include "game/display_key.h"
#include "game/game_loop.h"

namespace {

class DisplayKey : public testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    reset_maze(), reset_actors(), start_parade();
    game.lives = 3, game.level = game.score = 0;
    // Whatever an earlier test left: F1 up long enough to count as released.
    for (int i = 0; i < DISPLAY_KEY_SETTLE_FRAMES; ++i) display_key_pressed();
  }
  void TearDown() override { release_all_keys(); }

  // Runs `frames` frames of the title or the game with F1 down or up; the
  // toggles so far.
  int frames(int n, bool f1, bool title) {
    key[KEY_F1] = f1;
    bool quit = false;
    for (int i = 0; i < n; ++i) {
      if (title) {
        if (f1) fake.keys.push_back(KEY_F1);  // the key's own repeats in the keyboard buffer
        EXPECT_FALSE(parade_frame(&quit)) << "frame " << i << " with F1 " << (f1 ? "down" : "up");
      } else {
        EXPECT_EQ(game_frame(), FRAME_GO_ON);
      }
    }
    return fake.toggles;
  }
};

TEST_F(DisplayKey, HeldSwitchesOnceAndAgainOnlyAfterARealRelease) {
  for (bool title : {false, true}) {
    SetUp();
    EXPECT_EQ(frames(1, true, title), 1) << title;    // acts on the press
    EXPECT_EQ(frames(120, true, title), 1) << title;  // two seconds held
    // A release shorter than the settle time (as when a switch drops the key
    // state until the keyboard repeats) is still the same press.
    EXPECT_EQ(frames(DISPLAY_KEY_SETTLE_FRAMES - 1, false, title), 1) << title;
    EXPECT_EQ(frames(30, true, title), 1) << title;
    EXPECT_EQ(frames(DISPLAY_KEY_SETTLE_FRAMES, false, title), 1) << title;
    EXPECT_EQ(frames(10, true, title), 2) << title;  // pressed again: back
    EXPECT_EQ(frames(DISPLAY_KEY_SETTLE_FRAMES, false, title), 2) << title;
    EXPECT_EQ(frames(1, true, title), 3) << title;
  }
}

TEST_F(DisplayKey, OnTheTitleAPressTooShortForKeyArrayCountsAsAPress) {
  // F1 only in the buffer: pressed and released between two frames.
  auto tap = [](int frames_after) {
    fake.keys.push_back(KEY_F1);
    bool quit = false;
    for (int i = 0; i <= frames_after; ++i) EXPECT_FALSE(parade_frame(&quit));
    return fake.toggles;
  };
  EXPECT_EQ(tap(DISPLAY_KEY_SETTLE_FRAMES - 1), 1);
  EXPECT_EQ(tap(DISPLAY_KEY_SETTLE_FRAMES), 1);  // too soon after the switch: as a repeat would be
  EXPECT_EQ(tap(0), 2);
  EXPECT_TRUE(fake.keys.empty());
}

}  // namespace
