// Recorded games replayed frame by frame: the same key timing must give the
// same game, down to every ghost step and every random draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../tools/record_game/recording.h"
#include "game/game_loop.h"
#include "game/game_state.h"
#include "headless.h"

namespace {

const std::filesystem::path RECORDINGS = std::filesystem::path(GOBBLER_TESTS_DIR) / "recordings";

recording::Recording load(const std::filesystem::path &path) {
  std::ifstream in(path);
  recording::Recording r;
  std::string error;
  EXPECT_TRUE(recording::read(in, &r, &error)) << path << ": " << error;
  return r;
}

// The game record, its check value and the random draws after each frame.
struct Replay {
  std::vector<GameState> states;
  std::vector<uint32_t> checks;
  std::vector<long> draws;
  recording::State final;
};

Replay replay(const recording::Recording &r) {
  Replay out;
  recording::Start start = recording::begin_game();
  bool ended = false;
  for (size_t f = 0; f < r.keys.size() && !ended; ++f) {
    recording::hold_arrows(r.keys[f]);
    long draws = random_draws;
    ended = game_frame() == FRAME_GAME_ENDED;
    out.states.push_back(game);
    out.checks.push_back(recording::check_value());
    out.draws.push_back(random_draws - draws);
  }
  out.final = recording::final_state(start, (int)out.checks.size(), ended);
  return out;
}

}  // namespace

TEST(Replay, RecordedGamesPlayBackToTheirRecordedFinalState) {
  for (const char *name : {"game_600_frames.txt", "game_1500_frames.txt", "game_3000_frames.txt",
                           "game_to_game_over.txt"}) {
    SCOPED_TRACE(name);
    recording::Recording r = load(RECORDINGS / name);
    Replay p = replay(r);
    ASSERT_EQ(p.checks.size(), r.keys.size()) << "the game ended at a different frame";
    size_t same = std::mismatch(p.checks.begin(), p.checks.end(), r.checks.begin()).first - p.checks.begin();
    EXPECT_EQ(same, p.checks.size()) << "the game went differently from frame " << same;
    EXPECT_EQ(p.final, r.final);
  }
}

TEST(Replay, SameKeysTwiceGiveTheSameGameFrameByFrame) {
  recording::Recording r = load(RECORDINGS / "game_to_game_over.txt");
  Replay a = replay(r), b = replay(r);
  ASSERT_EQ(a.states.size(), b.states.size());
  for (size_t f = 0; f < a.states.size(); ++f) {
    ASSERT_EQ(std::memcmp(&a.states[f], &b.states[f], sizeof(GameState)), 0) << "frame " << f;
    ASSERT_EQ(a.draws[f], b.draws[f]) << "frame " << f;
  }
  EXPECT_EQ(a.final, b.final);
}
