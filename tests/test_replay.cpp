// Recorded games replayed frame by frame: the same keys must give the same game, down to every random draw.
#include <gtest/gtest.h>


#include "recorded_games.h"

// A recording played back: the game record's check value and random draws after each frame.
struct Replay {
  recording::Recording recorded;
  std::vector<uint32_t> checks;
  std::vector<long> draws;
  recording::State final;
};

static Replay replay(const std::string &name) {
  Replay p;
  p.recorded = load_recording(name);
  recording::Start start = recording::begin_game();
  bool ended = false;
  for (size_t f = 0; f < p.recorded.keys.size() && !ended; ++f) {
    recording::hold_arrows(p.recorded.keys[f]);
    long draws = random_draws;
    ended = game_frame() == FRAME_GAME_ENDED;
    p.checks.push_back(recording::check_value());
    p.draws.push_back(random_draws - draws);
  }
  p.final = recording::final_state(start, (int)p.checks.size(), ended);
  return p;
}

TEST(Replay, RecordedGamesPlayBackFrameByFrameToTheirFinalState) {
  for (const char *name :
       {"game_600_frames.txt", "game_1500_frames.txt", "game_3000_frames.txt", "game_to_game_over.txt"}) {
    Replay p = replay(name);
    ASSERT_EQ(p.checks.size(), p.recorded.keys.size()) << name << " ended at a different frame";
    for (size_t f = 0; f < p.checks.size(); ++f)
      ASSERT_EQ(p.checks[f], p.recorded.checks[f]) << name << " went differently from frame " << f;
    EXPECT_EQ(p.final, p.recorded.final) << name;
  }
}

TEST(Replay, SameKeysTwiceGiveTheSameGameAndDrawsFrameByFrame) {
  Replay a = replay("game_to_game_over.txt"), b = replay("game_to_game_over.txt");
  EXPECT_EQ(a.checks, b.checks);
  EXPECT_EQ(a.draws, b.draws);
  EXPECT_EQ(a.final, b.final);
}
