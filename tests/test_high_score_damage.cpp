// A damaged high-score file, or one that cannot be written, around whole
// title-and-game rounds: the game goes on, a stored better score is never
// lowered or cut short, and a failed save is said on stderr.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/game_cycle.h"
#include "app/high_score.h"
#include "app/platform.h"
#include "game/game_state.h"
#include "headless.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes read_bytes(const char *name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_bytes(const char *name, const Bytes &bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes little_endian(int32_t v) {
  uint32_t u = uint32_t(v);
  return {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
}

// The score the scripted game ends with.
int32_t final_score;
Platform recorded;

// At the start pause of the game: the player is put where it can neither
// move nor eat (off the grid both ways), the score is set, and Escape ends
// the game in its first frame.
void scripted_rest(int ms) {
  recorded.rest(ms);
  if (ms != 3000) return;
  game.player_x = 241;
  game.player_y = 305;
  game.score = final_score;
  key[KEY_ESC] = 1;
}
int always_a_key() { return 1; }

class HighScoreDamage : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(getcwd(home_, sizeof home_), nullptr);
    char pattern[] = "/tmp/gobbler-hidmg-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    ASSERT_EQ(chdir(dir_.c_str()), 0);
    use_fake_platform();
    recorded = platform;
    platform.rest = scripted_rest;
    platform.keypressed = always_a_key;
  }
  void TearDown() override {
    release_all_keys();
    chmod(dir_.c_str(), 0700);
    ASSERT_EQ(chdir(home_), 0);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  // One title screen and a game that ends with `score`; returns what the
  // round wrote on stderr.
  std::string round(int32_t score, int32_t hi_in_memory = 0) {
    game.hi_score = hi_in_memory;
    final_score = score;
    testing::internal::CaptureStderr();
    bool go_on = title_and_game();
    std::string said = testing::internal::GetCapturedStderr();
    release_all_keys();
    EXPECT_TRUE(go_on);
    EXPECT_EQ(game.score, score) << "the scripted game scored on its own";
    return said;
  }
  char home_[4096];
  std::string dir_;
};

// A splitmix64 step: garbage bytes that are the same in every run.
uint64_t garbage_state = 99;
uint8_t garbage() {
  uint64_t z = (garbage_state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return uint8_t(z ^ (z >> 31));
}

TEST_F(HighScoreDamage, EveryLengthFromNothingToEightBytes) {
  const int32_t stored = 5000;
  for (size_t length = 0; length <= 8; ++length) {
    // The first bytes of a stored 5000, then garbage.
    Bytes file = little_endian(stored);
    file.resize(length);
    for (size_t i = 4; i < length; ++i) file[i] = garbage();
    for (int32_t score : {stored - 1, stored, stored + 1}) {
      SCOPED_TRACE(std::to_string(length) + " bytes, game score " + std::to_string(score));
      write_bytes("gobbler.hi", file);
      std::string said = round(score);
      EXPECT_EQ(said, "");
      EXPECT_FALSE(fs::exists("gobbler.hi.new"));
      if (length < 4 || score > stored) {
        // No readable best (0 stays in memory), or a better game: replaced
        // by exactly the new four bytes.
        EXPECT_EQ(game.hi_score, score);
        EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(score));
      } else {
        // The stored best wins and the file is not touched, tail and all.
        EXPECT_EQ(game.hi_score, stored);
        EXPECT_EQ(read_bytes("gobbler.hi"), file);
      }
    }
  }
}

TEST_F(HighScoreDamage, GarbageValuesAreTakenAtTheirWord) {
  // A negative best is beaten by any game; the highest possible never is.
  write_bytes("gobbler.hi", {0xff, 0xff, 0xff, 0xff, 0x13});
  EXPECT_EQ(round(0), "");
  EXPECT_EQ(game.hi_score, 0);
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(0));

  const Bytes highest = {0xff, 0xff, 0xff, 0x7f, 0x00, 0x01};
  write_bytes("gobbler.hi", highest);
  EXPECT_EQ(round(999990), "");
  EXPECT_EQ(game.hi_score, INT32_MAX);
  EXPECT_EQ(read_bytes("gobbler.hi"), highest);

  for (int trial = 0; trial < 20; ++trial) {
    Bytes file;
    for (size_t i = 0, n = 4 + trial % 5; i < n; ++i) file.push_back(garbage());
    int32_t value = int32_t(uint32_t(file[0]) | uint32_t(file[1]) << 8 | uint32_t(file[2]) << 16 |
                            uint32_t(file[3]) << 24);
    write_bytes("gobbler.hi", file);
    const int32_t score = 123450;
    SCOPED_TRACE("stored " + std::to_string(value));
    EXPECT_EQ(round(score), "");
    if (score > value) {
      EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(score));
      EXPECT_EQ(game.hi_score, score);
    } else {
      EXPECT_EQ(read_bytes("gobbler.hi"), file);
      EXPECT_EQ(game.hi_score, value);
    }
  }
}

TEST_F(HighScoreDamage, BetterBestInMemoryIsNotOverwrittenByAShortFile) {
  // A file too short to hold a score leaves the best of earlier games.
  write_bytes("gobbler.hi", {0x01, 0x02});
  EXPECT_EQ(round(300, 700), "");
  EXPECT_EQ(game.hi_score, 700);
  EXPECT_EQ(read_bytes("gobbler.hi"), (Bytes{0x01, 0x02}));
}

// Ways a save fails even for root, who writes through permission bits.
enum Blocker { HIGH_SCORE_IS_A_DIRECTORY, TEMPORARY_IS_A_DIRECTORY, TEMPORARY_ON_A_FULL_DEVICE,
               TEMPORARY_IN_A_MISSING_DIRECTORY };

TEST_F(HighScoreDamage, FailedSaveIsSaidAndTheOldFileSurvives) {
  for (Blocker blocker : {HIGH_SCORE_IS_A_DIRECTORY, TEMPORARY_IS_A_DIRECTORY, TEMPORARY_ON_A_FULL_DEVICE,
                          TEMPORARY_IN_A_MISSING_DIRECTORY}) {
    SCOPED_TRACE("case " + std::to_string(blocker));
    fs::remove_all("gobbler.hi");
    fs::remove_all("gobbler.hi.new");
    if (blocker == HIGH_SCORE_IS_A_DIRECTORY) {
      ASSERT_TRUE(fs::create_directory("gobbler.hi"));
    } else {
      write_bytes("gobbler.hi", little_endian(100));
      if (blocker == TEMPORARY_IS_A_DIRECTORY) fs::create_directory("gobbler.hi.new");
      if (blocker == TEMPORARY_ON_A_FULL_DEVICE) fs::create_symlink("/dev/full", "gobbler.hi.new");
      if (blocker == TEMPORARY_IN_A_MISSING_DIRECTORY) fs::create_symlink("no-such-directory/x", "gobbler.hi.new");
      ASSERT_TRUE(fs::is_symlink("gobbler.hi.new") || fs::is_directory("gobbler.hi.new"));
    }

    std::string said = round(900, blocker == HIGH_SCORE_IS_A_DIRECTORY ? 50 : 0);

    // The better score still counts for the next game.
    EXPECT_EQ(game.hi_score, 900);
    // One line naming the file and the score.
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    EXPECT_EQ(said.rfind("gobbler: ", 0), 0u) << said;
    EXPECT_NE(said.find("gobbler.hi"), std::string::npos) << said;
    EXPECT_NE(said.find("900"), std::string::npos) << said;
    if (blocker == HIGH_SCORE_IS_A_DIRECTORY) {
      EXPECT_TRUE(fs::is_directory("gobbler.hi"));
      EXPECT_FALSE(fs::exists(fs::symlink_status("gobbler.hi.new")));
    } else {
      EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(100));
    }
    if (blocker == TEMPORARY_ON_A_FULL_DEVICE) {
      EXPECT_TRUE(fs::exists("/dev/full"));
    }
  }
}

TEST_F(HighScoreDamage, ReadOnlyDirectory) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root writes into read-only directories; the full device and the missing directory stand in";
  write_bytes("gobbler.hi", little_endian(100));
  ASSERT_EQ(chmod(dir_.c_str(), 0555), 0);
  std::string said = round(900);
  EXPECT_EQ(game.hi_score, 900);
  EXPECT_NE(said.find("gobbler.hi"), std::string::npos) << said;
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(100));
  EXPECT_FALSE(fs::exists("gobbler.hi.new"));
}

}  // namespace
