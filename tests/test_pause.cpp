// Pausing a game: P, Pause, the pad's Start or a lost focus stop every rule and random draw under a " PAUSED "
// box; resuming goes on exactly where the game stopped.

#include "recorded_games.h"
#include "cycle_support.h"
#include "game/pause.h"
#include "game/random.h"

namespace {

// What a frame may change: the game record, the random draws, the pictures presented and drawn over, sounds.
V snapshot() {
  return {int(recording::check_value()), int(random_draws), fake.presents, fake.shows, int(fake.sounds.size()),
          int(fake.rests.size())};
}

// The picture on show with the pause box over it: eight characters centred on x 256, rows 160..183.
BITMAP *with_pause_box(BITMAP *picture) {
  BITMAP *want = create_bitmap(640, 480);
  blit(picture, want, 0, 0, 0, 0, 640, 480);
  rectfill(want, 224, 160, 287, 183, 0xffff);
  textout_ex(want, font, " PAUSED ", 224, 168, 2, 0xffff);
  return want;
}

// Starts a game and plays `frames` frames steering with `arrows`.
void play_frames(int frames, const std::string &arrows) {
  recording::begin_game();
  recording::hold_arrows(arrows);
  for (int i = 0; i < frames; ++i) ASSERT_EQ(game_frame(), FRAME_GO_ON);
}

class Pause : public testing::Test {
 protected:
  void TearDown() override { release_all_keys(); }
};

TEST_F(Pause, PFreezesTheGameUnderAPausedBoxUntilPressedAgain) {
  {
    const int pause_key = KEY_P;
    play_frames(40, "1000");
    for (int score = game.score; game.score == score;) ASSERT_EQ(game_frame(), FRAME_GO_ON);  // until a dot is eaten
    // On show: the game as it stands, with the score of that last frame.
    BITMAP *want = create_bitmap(640, 480);
    compose_now(want);
    EXPECT_EQ(score_box_differing(fake.screen, want), 0);
    destroy_bitmap(want);
    want = with_pause_box(fake.screen);
    V before = snapshot();
    key[pause_key] = 1;
    EXPECT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(game_paused, 1);
    EXPECT_EQ(pixels_differing(fake.screen, want), 0);  // the last picture, the box drawn over it once
    before[3] += 1;
    EXPECT_EQ(snapshot(), before);
    // Held for a second with the arrows pressed and released: still paused, nothing moves or sounds.
    for (int i = 0; i < 60; ++i) {
      recording::hold_arrows(i % 2 ? "0110" : "1001");
      EXPECT_EQ(game_frame(), FRAME_GO_ON);
    }
    key[pause_key] = 0;
    for (int i = 0; i < 30; ++i) EXPECT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(pixels_differing(fake.screen, want), 0);
    // Pressed again: the frame runs and presents the next picture.
    key[pause_key] = 1;
    int x = game.player_x;
    recording::hold_arrows("1000");
    EXPECT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ((V{game_paused, fake.presents - before[2], x - game.player_x}), (V{0, 1, 1}));
    destroy_bitmap(want);
  }
}

TEST_F(Pause, EscapeTheCloseButtonOrBackEndAPausedGameUnderTheGameOverBox) {
  for (int how = 0; how < 3; ++how) {
    SCOPED_TRACE(how);
    play_frames(10, "1000");
    key[KEY_P] = 1;
    game_frame();
    key[KEY_P] = 0;
    game_frame();
    // The game-over box covers the pause box whole.
    BITMAP *want = create_bitmap(640, 480);
    blit(fake.screen, want, 0, 0, 0, 0, 640, 480);
    rectfill(want, 212, 160, 299, 183, 0xffff);
    textout_ex(want, font, " GAME OVER ", 212, 168, 2, 0xffff);
    uint32_t check = recording::check_value();
    long draws = random_draws;
    key[KEY_ESC] = how == 0, fake.close = how == 1, fake.pad.present = how == 2, fake.pad.buttons = 1u << PAD_BACK;
    EXPECT_EQ(game_frame(), FRAME_GAME_ENDED);
    EXPECT_EQ((V{game_paused, int(recording::check_value() == check), int(random_draws - draws)}), (V{0, 1, 0}));
    EXPECT_EQ(fake.rests, (std::vector<int>{3000, 2000}));  // the start pause, then the box's
    EXPECT_EQ(pixels_differing(fake.screen, want), 0);
    destroy_bitmap(want);
    release_all_keys();
  }
}

TEST_F(Pause, F1WhilePausedSwitchesTheDisplayAndShowsThePausedPictureAgain) {
  play_frames(10, "0100");
  key[KEY_P] = 1;
  game_frame();
  key[KEY_P] = 0;
  BITMAP *want = with_pause_box(fake.screen);  // the box drawn again over itself changes nothing
  V before = snapshot();
  key[KEY_F1] = 1;
  EXPECT_EQ(game_frame(), FRAME_GO_ON);
  before[3] += 1;
  EXPECT_EQ((V{fake.toggles, game_paused}), (V{1, 1}));
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(pixels_differing(fake.screen, want), 0);
  destroy_bitmap(want);
}

// The library's X11 keyboard flips key[KEY_PAUSE] at every press of Pause, auto-repeats included, and never
// reports its release; a lost focus clears it.
void flip_pause_key() { key[KEY_PAUSE] = !key[KEY_PAUSE]; }
std::string paused_over(int frames) {
  std::string seen;
  for (int i = 0; i < frames; ++i) game_frame(), seen += char('0' + game_paused);
  return seen;
}

TEST_F(Pause, ThePauseKeyActsOncePerPressAsTheLibraryReportsIt) {
  play_frames(10, "1000");
  // A press acts after four quiet frames; the game runs on meanwhile.
  int x = game.player_x;
  flip_pause_key();
  EXPECT_EQ(paused_over(6), "000011");
  EXPECT_EQ(x - game.player_x, 4);
  // Held down: after the repeat delay the key flips every two or three frames; nothing more happens, nor after
  // the last repeat.
  EXPECT_EQ(paused_over(40), std::string(40, '1'));
  std::string seen;
  for (int i = 0; i < 24; ++i) flip_pause_key(), seen += paused_over(2 + i % 2);
  EXPECT_EQ(seen + paused_over(20), std::string(60 + 20, '1'));
  // Pressed again: resumes.
  flip_pause_key();
  EXPECT_EQ(paused_over(5), "11110");
  // Paused by the key, then the focus goes: the library clears the key, in the frame the focus hint comes, the one
  // before, or a few before; the game stays paused.
  for (int before = 0; before < 4; ++before) {
    SCOPED_TRACE(before);
    if (!key[KEY_PAUSE]) flip_pause_key();
    paused_over(6);
    ASSERT_EQ(game_paused, 1);
    key[KEY_PAUSE] = 0;
    paused_over(before);
    fake.focus_lost = 1;
    EXPECT_EQ(paused_over(10), std::string(10, '1'));
    key[KEY_P] = 1;  // resumed with P
    paused_over(1);
    key[KEY_P] = 0;
    ASSERT_EQ(game_paused, 0);
  }
  // F1 while paused by the key: the display switch clears it; still paused.
  flip_pause_key();
  paused_over(6);
  key[KEY_F1] = 1;
  paused_over(1);
  key[KEY_F1] = 0, key[KEY_PAUSE] = 0;
  EXPECT_EQ(paused_over(10), std::string(10, '1'));
  EXPECT_EQ(fake.toggles, 1);
}

TEST_F(Pause, PausedFramesStillWaitForTheTick) {
  // P pressed at tick 5, released at tick 6; the close button at tick 40 ends the game.
  recording::begin_game();
  platform.wait_tick = [](int t) {
    fake.ticks = t + 1;
    key[KEY_P] = fake.ticks == 5;
  };
  platform.close_requested = [] { return int(fake.ticks >= 40); };
  int presents = fake.presents;
  play_game();
  // Forty-one frames, each but the last waiting one tick; pictures presented only at the start and in the five
  // frames before the pause; shown over: the pause box and the game-over box.
  EXPECT_EQ((V{fake.ticks, fake.presents - presents, fake.shows}), (V{40, 6, 2}));
}

TEST_F(Pause, LosingTheFocusPausesAndGettingItBackDoesNot) {
  play_frames(20, "1000");
  V before = snapshot();
  fake.focus_lost = 1;
  EXPECT_EQ(game_frame(), FRAME_GO_ON);
  before[3] += 1;
  EXPECT_EQ((V{game_paused, fake.focus_lost}), (V{1, 0}));
  // Another loss while paused does not resume; no word comes when the focus is back, and the game waits.
  fake.focus_lost = 1;
  for (int i = 0; i < 30; ++i) game_frame();
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(game_paused, 1);
  key[KEY_P] = 1;
  game_frame();
  EXPECT_EQ((V{game_paused, fake.presents - before[2]}), (V{0, 1}));
  // A loss hinted before the game started is old news.
  recording::begin_game();
  fake.focus_lost = 1;
  start_game();
  for (int i = 0; i < 3; ++i) game_frame();
  EXPECT_EQ(game_paused, 0);
}

TEST_F(Pause, AKeyHeldIntoTheGameOrThroughAPauseActsOncePerPress) {
  // P that started the game from the title, still held: no pause until pressed anew.
  recording::begin_game();
  key[KEY_P] = 1;
  start_game();  // takes what is held now as pressed before
  for (int i = 0; i < 5; ++i) game_frame();
  EXPECT_EQ(game_paused, 0);
  key[KEY_P] = 0;
  game_frame();
  // The pad's Start toggles once per press like P, and P and Start held together count once.
  fake.pad.present = 1, fake.pad.buttons = 1u << PAD_START;
  std::string seen;
  for (int i = 0; i < 6; ++i) {
    if (i == 3) key[KEY_P] = 1;
    game_frame();
    seen += char('0' + game_paused);
  }
  fake.pad.buttons = 0, key[KEY_P] = 0;
  game_frame();
  fake.pad.buttons = 1u << PAD_START;
  game_frame();
  seen += char('0' + game_paused);
  EXPECT_EQ(seen, "1111110");
}

// A recording played with pauses put in before some of its frames: paused by `how` (P, the Pause key or the pad's
// Start) with other keys pressed meanwhile, resumed in that frame, with its own keys.
struct PausedReplay {
  std::vector<uint32_t> checks;  // after each recorded frame
  recording::State final;
  int paused_frames = 0;
};

// The Pause key acts this many frames after its flip.
const int PAUSE_KEY_DELAY = 4;

PausedReplay replay_with_pauses(const recording::Recording &r, const std::vector<size_t> &pause_before, int how) {
  PausedReplay p;
  recording::Start start = recording::begin_game();
  auto press = [how](bool down) {
    if (how == 2) {
      fake.pad.present = 1, fake.pad.buttons = down ? 1u << PAD_START : 0;
    } else if (how == 0) {
      key[KEY_P] = down;
    } else if (down) {
      flip_pause_key();  // the Pause key: a press is a flip, acting PAUSE_KEY_DELAY frames later
    }
  };
  const int PAUSED = 50;  // frames
  bool ended = false;
  size_t next_pause = 0;
  for (size_t f = 0; f < r.keys.size() && !ended; ++f) {
    bool pause_now = next_pause < pause_before.size() && pause_before[next_pause] == f;
    if (pause_now) {
      ++next_pause;
      V before = snapshot();
      for (int i = 0; i < PAUSED; ++i) {
        if (how == 1)
          press(i == PAUSED - PAUSE_KEY_DELAY);  // resumes in the recorded frame below
        else
          press(i < 3);
        recording::hold_arrows(i % 3 ? "1010" : "0101");
        key[KEY_M] = i == 20 || i == 22;  // sound off and back on while paused
        fake.focus_lost = i == 30;
        EXPECT_EQ(game_frame(), FRAME_GO_ON);
        EXPECT_EQ(game_paused, 1);
        ++p.paused_frames;
      }
      before[3] += 1;  // the box
      EXPECT_EQ(snapshot(), before) << "paused before frame " << f;
      if (how != 1) press(true);  // resumes in this frame
    }
    // The Pause key pauses before frame f once flipped PAUSE_KEY_DELAY frames earlier.
    bool pause_soon = how == 1 && next_pause < pause_before.size() && pause_before[next_pause] == f + PAUSE_KEY_DELAY;
    if (pause_soon) press(true);
    recording::hold_arrows(r.keys[f]);
    ended = game_frame() == FRAME_GAME_ENDED;
    if (how != 1) press(false);
    p.checks.push_back(recording::check_value());
  }
  p.final = recording::final_state(start, (int)p.checks.size(), ended);
  return p;
}

TEST_F(Pause, APausedAndResumedGameEndsInTheSameStateAsTheUnpausedOne) {
  for (const char *name : {"game_600_frames.txt", "game_to_game_over.txt"}) {
    SCOPED_TRACE(name);
    recording::Recording r = load_recording(name);
    // Early, mid-game, and in the recording's last frames (through a death on the way to game over).
    // (Frames apart: a release and a new press between two frames would be one press.)
    std::vector<size_t> at = {4, 10, 250, 400, r.keys.size() - 2};
    for (int how = 0; how < 3; ++how) {
      PausedReplay p = replay_with_pauses(r, at, how);
      EXPECT_EQ(p.paused_frames, 50 * int(at.size())) << how;
      ASSERT_EQ(p.checks.size(), r.keys.size()) << how;
      for (size_t f = 0; f < p.checks.size(); ++f) ASSERT_EQ(p.checks[f], r.checks[f]) << how << " frame " << f;
      EXPECT_EQ(p.final, r.final) << how;
    }
  }
}

}  // namespace
