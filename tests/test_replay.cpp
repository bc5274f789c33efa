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

std::vector<std::string> recording_files() {
  std::vector<std::string> files;
  for (auto &entry : std::filesystem::directory_iterator(std::string(GOBBLER_TESTS_DIR) + "/recordings"))
    if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

recording::Recording load(const std::string &path) {
  std::ifstream in(path);
  recording::Recording r;
  std::string error;
  EXPECT_TRUE(in.good()) << path;
  EXPECT_TRUE(recording::read(in, &r, &error)) << path << ": " << error;
  return r;
}

struct Replay {
  std::vector<GameState> states;  // after each frame
  std::vector<uint32_t> checks;
  std::vector<long> draws;        // random draws in each frame
  recording::State final;
  int deaths = 0, frights = 0, levels = 0;
  bool ended = false;
};

// Plays the keys through whole game frames; `shift` holds every key that
// many frames late (for checking that timing matters).
Replay replay(const recording::Recording &r, int shift = 0) {
  Replay out;
  recording::Start start = recording::begin_game();
  for (size_t f = 0; f < r.keys.size(); ++f) {
    recording::hold_arrows(f >= (size_t)shift ? r.keys[f - shift] : "0000");
    int lives = game.lives, level = game.level, fright = game.fright_active;
    long draws = random_draws;
    FrameResult result = game_frame();
    out.states.push_back(game);
    out.checks.push_back(recording::check_value());
    out.draws.push_back(random_draws - draws);
    out.deaths += game.lives < lives;
    out.levels += game.level > level;
    out.frights += fright == 0 && game.fright_active == -1;
    if (result == FRAME_GAME_ENDED) {
      out.ended = true;
      break;
    }
  }
  out.final = recording::final_state(start, (int)out.checks.size(), out.ended);
  return out;
}

}  // namespace

TEST(Replay, RecordedGamesPlayBackExactly) {
  std::vector<std::string> files = recording_files();
  ASSERT_GE(files.size(), 3u);
  int deaths = 0, frights = 0, longest = 0;
  for (const std::string &path : files) {
    SCOPED_TRACE(path);
    recording::Recording r = load(path);
    ASSERT_FALSE(r.keys.empty());
    Replay p = replay(r);
    ASSERT_EQ(p.checks.size(), r.keys.size()) << "the game ended at a different frame";
    size_t first_difference = r.checks.size();
    for (size_t f = 0; f < r.checks.size(); ++f)
      if (p.checks[f] != r.checks[f]) {
        first_difference = f;
        break;
      }
    EXPECT_EQ(first_difference, r.checks.size()) << "the game went differently from frame " << first_difference;
    ASSERT_EQ(p.final.size(), r.final.size());
    for (size_t i = 0; i < r.final.size(); ++i) {
      EXPECT_EQ(p.final[i].first, r.final[i].first);
      EXPECT_EQ(p.final[i].second, r.final[i].second) << r.final[i].first;
    }
    deaths += p.deaths;
    frights += p.frights;
    longest = std::max(longest, (int)r.keys.size());
  }
  // The recordings between them go through a death and a power pill.
  EXPECT_GT(deaths, 0);
  EXPECT_GT(frights, 0);
  EXPECT_GE(longest, 1500);
}

TEST(Replay, SameKeysTwiceGiveTheSameGameFrameByFrame) {
  std::vector<std::string> files = recording_files();
  ASSERT_FALSE(files.empty());
  recording::Recording r = load(files.back());
  Replay a = replay(r);
  Replay b = replay(r);
  ASSERT_EQ(a.states.size(), b.states.size());
  for (size_t f = 0; f < a.states.size(); ++f) {
    ASSERT_EQ(std::memcmp(&a.states[f], &b.states[f], sizeof(GameState)), 0) << "frame " << f;
    ASSERT_EQ(a.draws[f], b.draws[f]) << "frame " << f;
  }
  EXPECT_EQ(a.final, b.final);
}

TEST(Replay, KeyTimingDecidesTheGame) {
  // The same keys held three frames late make a different game.
  std::vector<std::string> files = recording_files();
  ASSERT_FALSE(files.empty());
  recording::Recording r = load(files.back());
  Replay late = replay(r, 3);
  bool differs = late.checks.size() != r.checks.size();
  for (size_t f = 0; f < late.checks.size() && !differs; ++f) differs = late.checks[f] != r.checks[f];
  EXPECT_TRUE(differs);
}
