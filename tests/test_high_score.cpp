// The high-score file and the title-and-game cycle that reads and saves it.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/game_cycle.h"
#include "app/high_score.h"
#include "cycle_support.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;
Bytes read_bytes() {  // nothing when there is no file
  std::ifstream in("gobbler.hi", std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
void write_bytes(const Bytes &bytes) {
  std::ofstream("gobbler.hi", std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
}
int32_t loaded(int32_t hi) { return load_high_score(&hi), hi; }

// A scripted game: at its start pause the score is set 30 short of `final_score` and the
// player put where its first step eats three dots; then Escape, or the close button, ends it.
int32_t final_score, hi_during_game;
bool close_in_game;

class HighScore : public testing::Test {
 protected:
  void SetUp() override {  // each test in a directory of its own
    char pattern[] = "/tmp/gobbler-hi-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    fs::current_path(dir_ = pattern);
  }
  void TearDown() override { release_all_keys(), fs::current_path(GOBBLER_TESTS_DIR), fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(HighScore, FileHoldsFourLittleEndianBytesKeptWhenASaveFails) {
  EXPECT_EQ(loaded(4321), 4321);  // no file
  write_bytes({0x11, 0x11, 0x11});
  EXPECT_EQ(loaded(900), 900);  // too short
  write_bytes({0x10, 0x27, 0x00, 0x00, 0xaa, 0xbb, 0xcc});
  EXPECT_EQ(loaded(900), 10000);
  // A save replaces all of a longer file and leaves nothing else behind.
  ASSERT_TRUE(save_high_score(int32_t(0x87654321u)));
  EXPECT_EQ(read_bytes(), (Bytes{0x21, 0x43, 0x65, 0x87}));
  EXPECT_EQ(loaded(77), int32_t(0x87654321u));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
  // Failures that stop even root: the temporary's name taken by a directory, or leading to a
  // full device (the half-made temporary must go). The old file stays; one line says why.
  for (bool full_device : {false, true}) {
    if (full_device) fs::create_symlink("/dev/full", "gobbler.hi.new");
    else fs::create_directory("gobbler.hi.new");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_high_score(900));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(std::count(said.begin(), said.end(), '\n') == 1 && said.find("gobbler.hi") != said.npos) << said;
    EXPECT_EQ(read_bytes(), (Bytes{0x21, 0x43, 0x65, 0x87}));
    EXPECT_EQ(fs::exists(fs::symlink_status("gobbler.hi.new")), !full_device);
    fs::remove("gobbler.hi.new");
  }
}

TEST_F(HighScore, BetterScoreIsSavedAfterTheGameOnly) {
  struct Case { Bytes file; int32_t score, hi_during_game, hi_after; Bytes file_after; bool close; };
  const Case cases[] = {  // a save never leaves the trailing 5a a5
      {{}, 30, 5, 30, {30, 0, 0, 0}, false},                // empty file; a game ended with Escape saves
      {{10, 0, 0, 0}, 40, 10, 40, {40, 0, 0, 0}, false},   // read before the game, not followed upward
      {{30, 0, 0, 0, 0x5a, 0xa5}, 30, 30, 30, {30, 0, 0, 0, 0x5a, 0xa5}, false},  // an equal score: no rewrite
      {{0x88, 0x13, 0, 0, 0x5a, 0xa5}, 4999, 5000, 5000, {0x88, 0x13, 0, 0, 0x5a, 0xa5}, false},  // never lowered
      {{}, 30, 5, 30, {30, 0, 0, 0}, true},  // closing saves, then ends the program
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.score);
    use_fake_platform();
    platform.keypressed = [] { return 1; };  // the parade ends in its first frame
    platform.rest = [](int ms) {
      fake.rests.push_back(ms);
      if (ms == 2000) hi_during_game = game.hi_score;
      if (ms != 3000) return;
      game.score = final_score - 30, game.player_x = 241, game.player_y = 304;
      close_in_game ? void(fake.close = 1) : void(key[KEY_ESC] = 1);
    };
    write_bytes(c.file);
    game.hi_score = 5, final_score = c.score, close_in_game = c.close;
    EXPECT_EQ((V{title_and_game(), game.score, hi_during_game, game.hi_score}),
              (V{!c.close, c.score, c.hi_during_game, c.hi_after}));
    EXPECT_EQ(fake.rests, (V{10, 10, 3000, 2000}));  // the game-over box once
    EXPECT_EQ(read_bytes(), c.file_after);
    EXPECT_FALSE(fs::exists("gobbler.hi.new"));
  }
}

}  // namespace
