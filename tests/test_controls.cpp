// M silences the game; the gamepad steers through the arrow keys' state, starts a game on the title, pauses and
// ends a game.
#include <algorithm>

#include "recorded_games.h"
#include "app/title.h"
#include "cycle_support.h"
#include "game/controls.h"
#include "game/pause.h"
#include "game/sound.h"
#include "platform/key_taps.h"

namespace {

// Sounds started in each frame of a recording, with M down in the frames listed (and up otherwise).
struct Heard {
  std::vector<int> per_frame;
  int intro = 0;
  uint32_t final_check = 0;
};
Heard play_listening(const recording::Recording &r, const std::vector<size_t> &m_down, bool muted_at_start) {
  Heard h;
  use_fake_platform();
  sound_muted = muted_at_start;
  game = GameState();
  start_game();
  h.intro = int(fake.sounds.size());
  for (size_t f = 0; f < r.keys.size(); ++f) {
    recording::hold_arrows(r.keys[f]);
    key[KEY_M] = std::find(m_down.begin(), m_down.end(), f) != m_down.end();
    size_t before = fake.sounds.size();
    if (game_frame() == FRAME_GAME_ENDED) break;
    h.per_frame.push_back(int(fake.sounds.size() - before));
  }
  h.final_check = recording::check_value();
  return h;
}

class Controls : public testing::Test {
 protected:
  void TearDown() override { release_all_keys(); }
};

TEST_F(Controls, MSilencesEverySoundUntilPressedAgainAndMuteStartsSilent) {
  recording::Recording r = load_recording("game_to_game_over.txt");
  Heard all = play_listening(r, {}, false);
  int total = 0;
  for (int n : all.per_frame) total += n;
  ASSERT_GT(total, 50);  // eating, pills, deaths: enough to miss
  // M held over frames 300 to 319 turns the sound off once; pressed at 1200 it comes back.
  std::vector<size_t> m_down;
  for (size_t f = 300; f < 320; ++f) m_down.push_back(f);
  m_down.push_back(1200);
  Heard muted = play_listening(r, m_down, false);
  EXPECT_EQ(fake.sound_stops, 1);  // what was playing stops when the sound goes off
  ASSERT_EQ(muted.per_frame.size(), all.per_frame.size());
  EXPECT_EQ(muted.final_check, all.final_check);  // the game itself is the same
  int silenced = 0;
  for (size_t f = 0; f < all.per_frame.size(); ++f) {
    bool off = f >= 300 && f < 1200;
    EXPECT_EQ(muted.per_frame[f], off ? 0 : all.per_frame[f]) << "frame " << f;
    silenced += off ? all.per_frame[f] : 0;
  }
  EXPECT_GT(silenced, 10);
  EXPECT_EQ((V{all.intro, muted.intro}), (V{1, 1}));
  // Started muted (--mute): not even the jingle, until M.
  Heard quiet = play_listening(r, {100}, true);
  EXPECT_EQ(quiet.intro, 0);
  for (size_t f = 0; f < all.per_frame.size(); ++f)
    EXPECT_EQ(quiet.per_frame[f], f < 100 ? 0 : all.per_frame[f]) << "frame " << f;
  EXPECT_EQ(fake.sound_stops, 0);  // turning it on stops nothing
}

// Arrows held after one reading of the pad, as "LRUD".
std::string arrows_after(const PadState &pad) {
  fake.pad = pad;
  read_controls();
  return recording::held_arrows();
}
PadState pad(int stick_x, int stick_y, int hat_x = 0, int hat_y = 0) {
  PadState p;
  p.present = 1, p.stick_x = stick_x, p.stick_y = stick_y, p.hat_x = hat_x, p.hat_y = hat_y;
  return p;
}

TEST_F(Controls, StickPastHalfWayOrTheDPadHoldsTheArrows) {
  use_fake_platform();
  struct Case { PadState pad; const char *arrows; };
  const Case cases[] = {
      {pad(0, 0), "0000"},        {pad(-63, 63), "0000"},   {pad(63, -63), "0000"},     {pad(-64, 0), "1000"},
      {pad(64, 0), "0100"},       {pad(0, -64), "0010"},    {pad(0, 64), "0001"},       {pad(-127, -127), "1010"},
      {pad(127, 127), "0101"},    {pad(0, 0, -127, 0), "1000"}, {pad(0, 0, 0, 127), "0001"},
      {pad(0, 0, 127, -127), "0110"}, {pad(-127, 0, 127, 0), "1100"},  // stick one way, d-pad the other: both
      {pad(0, 0, -63, 63), "0000"},
  };
  for (const Case &c : cases) {
    release_all_keys();
    read_controls();  // lets go of what the last case held
    EXPECT_EQ(arrows_after(c.pad), c.arrows) << c.pad.stick_x << "," << c.pad.stick_y << " " << c.pad.hat_x << ","
                                             << c.pad.hat_y;
  }
  // Pulled out while pushed: the arrows go up.
  arrows_after(pad(-127, 127));
  PadState gone = pad(-127, 127);
  gone.present = 0;
  EXPECT_EQ(arrows_after(gone), "0000");
}

TEST_F(Controls, ThePadLiftsOnlyTheArrowsItPutDown) {
  use_fake_platform();
  key[KEY_UP] = 1;  // held on the keyboard
  EXPECT_EQ(arrows_after(pad(0, -127)), "0010");
  EXPECT_EQ(arrows_after(pad(-127, 0)), "1010");  // the stick leaves up; the keyboard still holds it
  EXPECT_EQ(arrows_after(pad(0, 0)), "0010");
  key[KEY_UP] = 0;
  EXPECT_EQ(arrows_after(pad(0, 0)), "0000");
  // No pad at all: keyboard arrows pressed and released are left as they are.
  PadState none;
  for (const char *held : {"1001", "0110", "0000"}) {
    recording::hold_arrows(held);
    EXPECT_EQ(arrows_after(none), held);
  }
}

TEST_F(Controls, AGameSteeredWithThePadReplaysTheKeyboardGame) {
  recording::Recording r = load_recording("game_1500_frames.txt");
  recording::begin_game();
  for (size_t f = 0; f < r.keys.size(); ++f) {
    // Left and up on the stick and right and down on the d-pad, or the other way round, changing every 100
    // frames; the stick at varied strength past half way.
    const std::string &k = r.keys[f];
    int s = 64 + int(f % 64);
    bool swap = f / 100 % 2;
    PadState p = pad(0, 0);
    (swap ? p.hat_x : p.stick_x) -= (k[0] == '1') * (swap ? 127 : s);
    (swap ? p.stick_x : p.hat_x) += (k[1] == '1') * (swap ? s : 127);
    (swap ? p.hat_y : p.stick_y) -= (k[2] == '1') * (swap ? 127 : s);
    (swap ? p.stick_y : p.hat_y) += (k[3] == '1') * (swap ? s : 127);
    fake.pad = p;
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    ASSERT_EQ(recording::check_value(), r.checks[f]) << "frame " << f << " keys " << k;
  }
}

TEST_F(Controls, FaceButtonsOrStartBeginAGameFromTheTitle) {
  for (int b = 0; b < 11; ++b) {
    use_fake_platform();
    start_parade();
    reset_controls();
    bool quit = false;
    EXPECT_FALSE(parade_frame(&quit));
    fake.pad.present = 1, fake.pad.buttons = 1u << b;
    bool starts = b == PAD_A || b == PAD_B || b == PAD_X || b == PAD_Y || b == PAD_START;
    EXPECT_EQ(parade_frame(&quit), starts) << "button " << b;
    EXPECT_FALSE(quit);
  }
  // A button held from before the title does not start a game until pressed again.
  use_fake_platform();
  fake.pad.present = 1, fake.pad.buttons = 1u << PAD_A;
  start_parade();
  reset_controls();
  bool quit = false;
  EXPECT_FALSE(parade_frame(&quit));
  fake.pad.buttons = 0;
  EXPECT_FALSE(parade_frame(&quit));
  fake.pad.buttons = 1u << PAD_A;
  EXPECT_TRUE(parade_frame(&quit));
}

TEST_F(Controls, InAGameStartPausesAndBackEndsTheGame) {
  recording::begin_game();
  fake.pad.present = 1;
  for (int i = 0; i < 10; ++i) game_frame();
  fake.pad.buttons = 1u << PAD_START;
  for (int i = 0; i < 10; ++i) game_frame();  // held: toggled once
  EXPECT_EQ(game_paused, 1);
  fake.pad.buttons = 0;
  game_frame();
  fake.pad.buttons = 1u << PAD_START;
  game_frame();
  EXPECT_EQ(game_paused, 0);
  // Back ends the game like Escape: the game-over box and its pause; the rest of that frame does not run.
  fake.pad.buttons = 1u << PAD_BACK;
  int lives = game.lives;
  EXPECT_EQ(game_frame(), FRAME_GAME_ENDED);
  EXPECT_EQ((V{game.lives, int(fake.rests.size()), fake.rests.back(), fake.shows}), (V{lives, 2, 2000, 2}));  // boxes: pause, game over
  // Back held since before the game (from the title) ends nothing until pressed anew.
  recording::begin_game();
  fake.pad.present = 1, fake.pad.buttons = 1u << PAD_BACK;
  start_game();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(game_frame(), FRAME_GO_ON);
  fake.pad.buttons = 0;
  EXPECT_EQ(game_frame(), FRAME_GO_ON);
  fake.pad.buttons = 1u << PAD_BACK;
  EXPECT_EQ(game_frame(), FRAME_GAME_ENDED);
  // Buttons that mean nothing in a game change nothing.
  recording::begin_game();
  fake.pad.present = 1;
  for (int b : {PAD_A, PAD_B, PAD_X, PAD_Y, 4, 5, 8, 9, 10}) {
    fake.pad.buttons = 1u << b;
    EXPECT_EQ(game_frame(), FRAME_GO_ON) << b;
    EXPECT_EQ(game_paused, 0) << b;
  }
}

// Keys pressed and let go between two frames never show in key[]: each acts once, in the next
// frame, as if held for that frame alone. A game ended by a tapped Escape leaves it up for the title.
void tap(int k) { note_key_event(k), note_key_event(k | 0x80); }
TEST_F(Controls, KeysTappedBetweenTwoFramesActOnceInTheNextFrame) {
  recording::begin_game();
  tap(KEY_P);
  for (int i = 0; i < 5; ++i) game_frame();
  EXPECT_EQ(game_paused, 1);
  tap(KEY_P);
  game_frame();
  EXPECT_EQ(game_paused, 0);
  for (int k : {KEY_M, KEY_F1}) {
    tap(k);
    for (int i = 0; i < 20; ++i) game_frame();
  }
  EXPECT_EQ((V{sound_muted, fake.toggles}), (V{1, 1}));
  // Right tapped plays the frame that Right held for one frame plays; the player turns back.
  auto steered = [](bool tapped) {
    recording::begin_game();
    for (int f = 0; f < 40; ++f) {
      if (f == 20) tapped ? tap(KEY_RIGHT) : void(key[KEY_RIGHT] = 1);
      game_frame();
      key[KEY_RIGHT] = 0;
    }
    return V{int(recording::check_value()), game.player_dir};
  };
  V by_tap = steered(true);
  EXPECT_EQ(by_tap, steered(false));
  EXPECT_EQ(by_tap[1], DIR_RIGHT);
  // Escape tapped in the start pause ends the game in its first frame.
  recording::begin_game();
  platform.rest = [](int ms) {
    fake.rests.push_back(ms);
    if (ms == 3000) tap(KEY_ESC);
  };
  play_game();
  EXPECT_EQ((V{fake.ticks, int(fake.rests.size()), key[KEY_ESC]}), (V{0, 3, 0}));  // start, start pause, game over
}

}  // namespace
