// The high-score file, whole or damaged, and the title-and-game cycle that
// reads and saves it.
#include <gtest/gtest.h>

#include <algorithm>
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
const Bytes NO_FILE = {0xde, 0xad};  // stands for a missing file in the tables

Bytes read_bytes(const char *name) {
  if (!fs::exists(name)) return NO_FILE;
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
void write_bytes(const char *name, const Bytes &bytes) {
  std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
}
Bytes le(int32_t v, const Bytes &tail = {}) {
  Bytes b;
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
  for (unsigned char t : tail) b.push_back(t);
  return b;
}
int32_t loaded(int32_t hi) {
  load_high_score(&hi);
  return hi;
}

// A scripted game: at its start pause the score is set 30 short of
// `final_score` and the player put where its first step eats the three dots
// of row 20, columns 15 to 17; then Escape, or the close button, ends it.
int32_t final_score, hi_during_game;
bool close_in_game;
Platform fake_entries;
void scripted_rest(int ms) {
  fake_entries.rest(ms);
  if (ms == 2000) hi_during_game = game.hi_score;
  if (ms != 3000) return;
  game.score = final_score - 30;
  game.player_x = 241;
  game.player_y = 304;
  if (close_in_game) fake.close = 1;
  else key[KEY_ESC] = 1;
}

class HighScore : public testing::Test {
 protected:
  void SetUp() override {  // each test in a directory of its own
    char pattern[] = "/tmp/gobbler-hi-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    fs::current_path(dir_ = pattern);
    use_fake_platform();
    fake_entries = platform;
    platform.rest = scripted_rest;
    platform.keypressed = [] { return 1; };  // the parade ends in its first frame
    close_in_game = false;
  }
  void TearDown() override {
    release_all_keys();
    fs::current_path(GOBBLER_TESTS_DIR);
    fs::remove_all(dir_);
  }
  // One title and a game that ends with `score`; whether the program goes on.
  bool round(int32_t score, int32_t hi_in_memory) {
    game.hi_score = hi_in_memory;
    final_score = score;
    hi_during_game = -1;
    bool go_on = title_and_game();
    release_all_keys();
    EXPECT_EQ(game.score, score);
    return go_on;
  }
  fs::path dir_;
};

TEST_F(HighScore, FileHoldsFourLittleEndianBytes) {
  EXPECT_EQ(loaded(4321), 4321);  // no file
  for (int32_t v : {0, 0x12345678, -200, INT32_MIN}) {
    ASSERT_TRUE(save_high_score(v)) << v;
    EXPECT_EQ(read_bytes("gobbler.hi"), le(v)) << v;
    EXPECT_EQ(loaded(77), v);
  }
  for (size_t size : {0u, 1u, 3u}) {
    write_bytes("gobbler.hi", Bytes(size, 0x11));
    EXPECT_EQ(loaded(900), 900) << size << " bytes";
  }
  write_bytes("gobbler.hi", {0x10, 0x27, 0x00, 0x00, 0xaa, 0xbb, 0xcc});
  EXPECT_EQ(loaded(900), 10000);
  // A save replaces all of a longer file and leaves nothing else behind.
  ASSERT_TRUE(save_high_score(2500));
  EXPECT_EQ(read_bytes("gobbler.hi"), le(2500));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST_F(HighScore, FailedSaveKeepsTheOldFileAndSaysSoOnce) {
  // Ways that stop even root: the temporary's name taken by a directory, or
  // leading to a full device (the half-made temporary must go).
  for (bool full_device : {false, true}) {
    write_bytes("gobbler.hi", le(700));
    if (full_device) fs::create_symlink("/dev/full", "gobbler.hi.new");
    else fs::create_directory("gobbler.hi.new");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_high_score(900));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("gobbler.hi"), std::string::npos) << said;
    EXPECT_EQ(read_bytes("gobbler.hi"), le(700));
    EXPECT_EQ(fs::exists(fs::symlink_status("gobbler.hi.new")), !full_device);
    fs::remove("gobbler.hi.new");
  }
}

TEST_F(HighScore, BetterScoreIsSavedAfterTheGameOnly) {
  struct Case { Bytes file; int32_t hi_in_memory, score, hi_during_game, hi_after; Bytes file_after; };
  const Bytes tail = {0x5a, 0xa5};  // no save writes these
  const Case cases[] = {
      {NO_FILE, 0, 30, 0, 30, le(30)},                        // a game ended with Escape still saves
      {le(10), 5, 40, 10, 40, le(40)},                        // read before the game, not followed upward
      {le(30, tail), 0, 30, 30, 30, le(30, tail)},            // an equal score does not rewrite
      {le(5000, tail), 0, 4999, 5000, 5000, le(5000, tail)},  // a better one is never lowered or cut
      {{1, 2}, 700, 300, 700, 700, {1, 2}},  // too short to read
      {NO_FILE, 30, 30, 30, 30, NO_FILE},  // a deleted file leaves the best in memory
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.score);
    fs::remove("gobbler.hi");
    if (c.file != NO_FILE) write_bytes("gobbler.hi", c.file);
    EXPECT_TRUE(round(c.score, c.hi_in_memory));
    EXPECT_EQ(hi_during_game, c.hi_during_game);
    EXPECT_EQ(game.hi_score, c.hi_after);
    EXPECT_EQ(read_bytes("gobbler.hi"), c.file_after);
    EXPECT_FALSE(fs::exists("gobbler.hi.new"));
  }
}

TEST_F(HighScore, CloseInAGameSavesThenEndsTheProgram) {
  close_in_game = true;
  EXPECT_FALSE(round(30, 0));
  EXPECT_EQ(fake.rests, (std::vector<int>{10, 10, 3000, 2000}));  // the box once
  EXPECT_EQ(read_bytes("gobbler.hi"), le(30));
}

}  // namespace
