// The high-score file and the title-and-game cycle around it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
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
#include "render/assets.h"

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> read_bytes(const char *name) {
  std::ifstream in(name, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_bytes(const char *name, const std::vector<unsigned char> &bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
}

std::vector<unsigned char> little_endian(int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  return {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8), static_cast<unsigned char>(u >> 16),
          static_cast<unsigned char>(u >> 24)};
}

int lines_in(const std::string &s) {
  int n = 0;
  for (char c : s) n += c == '\n';
  return n;
}

// Every test runs in a directory of its own, removed afterwards.
class HighScoreFile : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(getcwd(home_, sizeof home_), nullptr);
    char pattern[] = "/tmp/gobbler-hi-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }
  void TearDown() override {
    ASSERT_EQ(chdir(home_), 0);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  char home_[4096];
  std::string dir_;
};

TEST_F(HighScoreFile, MissingFileKeepsTheValue) {
  int32_t hi = 4321;
  load_high_score(&hi);
  EXPECT_EQ(hi, 4321);
}

TEST_F(HighScoreFile, FourLittleEndianBytesBothWays) {
  const int32_t values[] = {0, 1, 30, 255, 256, 0x12345678, -1, -200, INT32_MAX, INT32_MIN};
  for (int32_t v : values) {
    ASSERT_TRUE(save_high_score(v)) << v;
    EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(v)) << v;
    int32_t back = 77;
    load_high_score(&back);
    EXPECT_EQ(back, v);
  }
  write_bytes("gobbler.hi", {0x78, 0x56, 0x34, 0x12});
  int32_t hi = 0;
  load_high_score(&hi);
  EXPECT_EQ(hi, 0x12345678);
  write_bytes("gobbler.hi", {0x00, 0x00, 0x00, 0x80});
  load_high_score(&hi);
  EXPECT_EQ(hi, INT32_MIN);
  write_bytes("gobbler.hi", {0xf0, 0xff, 0xff, 0xff});
  load_high_score(&hi);
  EXPECT_EQ(hi, -16);
}

TEST_F(HighScoreFile, ShortFilesAreIgnoredLongOnesReadFromTheStart) {
  for (size_t size : {0u, 1u, 3u}) {
    write_bytes("gobbler.hi", std::vector<unsigned char>(size, 0x11));
    int32_t hi = 900;
    load_high_score(&hi);
    EXPECT_EQ(hi, 900) << size << " bytes";
  }
  write_bytes("gobbler.hi", {0x10, 0x27, 0x00, 0x00, 0xaa, 0xbb, 0xcc});
  int32_t hi = 900;
  load_high_score(&hi);
  EXPECT_EQ(hi, 10000);
}

TEST_F(HighScoreFile, UnreadableFileIsIgnored) {
  // A directory by that name opens but gives no bytes.
  ASSERT_EQ(mkdir("gobbler.hi", 0755), 0);
  int32_t hi = 123;
  load_high_score(&hi);
  EXPECT_EQ(hi, 123);
}

TEST_F(HighScoreFile, SaveReplacesTheWholeFileAndLeavesNoTemporary) {
  write_bytes("gobbler.hi", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ASSERT_TRUE(save_high_score(2500));
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(2500));
  EXPECT_EQ(fs::file_size("gobbler.hi"), 4u);
  EXPECT_FALSE(fs::exists("gobbler.hi.new"));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST_F(HighScoreFile, FailedWriteKeepsTheOldFileAndSaysSo) {
  write_bytes("gobbler.hi", little_endian(700));
  // The temporary file cannot be created where a directory stands.
  ASSERT_EQ(mkdir("gobbler.hi.new", 0755), 0);
  testing::internal::CaptureStderr();
  bool ok = save_high_score(900);
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(ok);
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(700));
  EXPECT_EQ(lines_in(said), 1) << said;
  EXPECT_EQ(said.back(), '\n');
  EXPECT_NE(said.find("gobbler.hi"), std::string::npos) << said;
}

TEST_F(HighScoreFile, FailedRenameKeepsTheOldEntryAndCleansUp) {
  // A non-empty directory cannot be replaced by a file.
  ASSERT_EQ(mkdir("gobbler.hi", 0755), 0);
  write_bytes("gobbler.hi/keep", {42});
  testing::internal::CaptureStderr();
  bool ok = save_high_score(900);
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(ok);
  EXPECT_TRUE(fs::is_directory("gobbler.hi"));
  EXPECT_EQ(read_bytes("gobbler.hi/keep"), (std::vector<unsigned char>{42}));
  EXPECT_FALSE(fs::exists("gobbler.hi.new"));
  EXPECT_EQ(lines_in(said), 1) << said;
}

TEST_F(HighScoreFile, DirectoryGoneSaveFailsWithOneLine) {
  ASSERT_EQ(mkdir("gone", 0755), 0);
  ASSERT_EQ(chdir("gone"), 0);
  ASSERT_EQ(rmdir((dir_ + "/gone").c_str()), 0);
  testing::internal::CaptureStderr();
  bool ok = save_high_score(900);
  std::string said = testing::internal::GetCapturedStderr();
  ASSERT_EQ(chdir(dir_.c_str()), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(lines_in(said), 1) << said;
}

// --- The cycle: title, game, high score -------------------------------------

// What a scripted game does once its start jingle has played.
enum Script { SCRIPT_ESCAPE, SCRIPT_EAT_THEN_ESCAPE, SCRIPT_EAT_THEN_CLOSE };
Script script;
Platform fake_entries;
int hi_at_game_over;  // the "Hi Score" value while the game-over box shows
int games_started;

void scripted_rest(int ms) {
  fake_entries.rest(ms);
  if (ms == 3000) {
    // The start pause of a game.
    ++games_started;
    if (script != SCRIPT_ESCAPE) {
      // One step left from 241 lands on 240, on the three dots of row 20,
      // columns 15 to 17: 30 points in the first frame.
      game.player_x = 241;
      game.player_y = 304;
      game.player_dir = DIR_LEFT;
    }
    if (script == SCRIPT_EAT_THEN_CLOSE)
      fake.close = 1;
    else
      key[KEY_ESC] = 1;
  }
  if (ms == 2000) hi_at_game_over = game.hi_score;
}
// Some key is always waiting: the parade ends in its first frame.
int key_waiting() { return 1; }

const int32_t THREE_DOTS = 30;

class GameCycle : public HighScoreFile {
 protected:
  void SetUp() override {
    HighScoreFile::SetUp();
    use_fake_platform();
    fake_entries = platform;
    platform.rest = scripted_rest;
    platform.keypressed = key_waiting;
    hi_at_game_over = -1;
    games_started = 0;
    script = SCRIPT_EAT_THEN_ESCAPE;
    game.hi_score = 0;
    game.score = 0;
  }
  void TearDown() override {
    release_all_keys();
    HighScoreFile::TearDown();
  }
  // One title and game; Escape is released again for the next title.
  bool cycle() {
    bool go_on = title_and_game();
    release_all_keys();
    return go_on;
  }
};

TEST_F(GameCycle, BetterScoreIsSavedEvenWhenTheGameEndsWithEscape) {
  EXPECT_TRUE(cycle());
  EXPECT_EQ(games_started, 1);
  EXPECT_EQ(game.score, THREE_DOTS);
  EXPECT_EQ(game.hi_score, THREE_DOTS);
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(THREE_DOTS));
  EXPECT_FALSE(fs::exists("gobbler.hi.new"));
  // During the game the box showed the old best.
  EXPECT_EQ(hi_at_game_over, 0);
}

TEST_F(GameCycle, StoredBestIsReadBeforeTheGameAndNotOvertakenDuringIt) {
  write_bytes("gobbler.hi", little_endian(10));
  game.hi_score = 5;
  EXPECT_TRUE(cycle());
  EXPECT_EQ(hi_at_game_over, 10);
  EXPECT_EQ(game.hi_score, THREE_DOTS);
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(THREE_DOTS));

  // A better stored value wins over the one in memory and is kept.
  write_bytes("gobbler.hi", little_endian(5000));
  EXPECT_TRUE(cycle());
  EXPECT_EQ(hi_at_game_over, 5000);
  EXPECT_EQ(game.hi_score, 5000);
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(5000));
}

TEST_F(GameCycle, EqualScoreDoesNotRewriteTheFile) {
  // Thirty in its first four bytes, and a tail no save would write.
  std::vector<unsigned char> stored = little_endian(THREE_DOTS);
  stored.push_back(0x5a);
  stored.push_back(0xa5);
  write_bytes("gobbler.hi", stored);
  struct stat before;
  ASSERT_EQ(stat("gobbler.hi", &before), 0);
  EXPECT_TRUE(cycle());
  EXPECT_EQ(game.score, THREE_DOTS);
  EXPECT_EQ(game.hi_score, THREE_DOTS);
  EXPECT_EQ(read_bytes("gobbler.hi"), stored);
  struct stat after;
  ASSERT_EQ(stat("gobbler.hi", &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(GameCycle, DeletedFileDoesNotResetTheBestInMemory) {
  EXPECT_TRUE(cycle());
  ASSERT_EQ(game.hi_score, THREE_DOTS);
  ASSERT_EQ(remove("gobbler.hi"), 0);
  EXPECT_TRUE(cycle());
  EXPECT_EQ(hi_at_game_over, THREE_DOTS);
  EXPECT_EQ(game.hi_score, THREE_DOTS);
  // Thirty again is no better: nothing written.
  EXPECT_FALSE(fs::exists("gobbler.hi"));
}

TEST_F(GameCycle, NoScoreNoFile) {
  script = SCRIPT_ESCAPE;
  EXPECT_TRUE(cycle());
  EXPECT_EQ(game.score, 0);
  EXPECT_FALSE(fs::exists("gobbler.hi"));
}

TEST_F(GameCycle, ScoreIsResetBeforeEachGame) {
  game.score = 99999;
  script = SCRIPT_ESCAPE;
  EXPECT_TRUE(cycle());
  EXPECT_EQ(game.score, 0);
  EXPECT_EQ(game.hi_score, 0);
  EXPECT_FALSE(fs::exists("gobbler.hi"));
}

TEST_F(GameCycle, CloseButtonInAGameSavesTheScoreThenEndsTheProgram) {
  script = SCRIPT_EAT_THEN_CLOSE;
  EXPECT_FALSE(cycle());
  EXPECT_EQ(games_started, 1);
  // The box once, like Escape.
  EXPECT_EQ(fake.rests, (std::vector<int>{10, 10, 3000, 2000}));
  EXPECT_EQ(fake.vsyncs, 1);
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(THREE_DOTS));
}

TEST_F(GameCycle, EscapeOnTheTitleEndsTheProgramWithoutAGame) {
  write_bytes("gobbler.hi", little_endian(8000));
  game.hi_score = 20;
  key[KEY_ESC] = 1;
  EXPECT_FALSE(cycle());
  EXPECT_EQ(games_started, 0);
  EXPECT_TRUE(fake.sounds.empty());
  EXPECT_EQ(game.hi_score, 20);

  fake.close = 1;
  EXPECT_FALSE(cycle());
  EXPECT_EQ(games_started, 0);
}

TEST_F(GameCycle, FailedSaveIsReportedAndTheProgramGoesOn) {
  write_bytes("gobbler.hi", little_endian(10));
  ASSERT_EQ(mkdir("gobbler.hi.new", 0755), 0);
  testing::internal::CaptureStderr();
  bool go_on = cycle();
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(go_on);
  EXPECT_EQ(lines_in(said), 1) << said;
  EXPECT_EQ(read_bytes("gobbler.hi"), little_endian(10));
  // The better score still counts for the next game.
  EXPECT_EQ(game.hi_score, THREE_DOTS);
}

TEST_F(GameCycle, WaitsAndFlushesBetweenTitleAndGame) {
  script = SCRIPT_ESCAPE;
  EXPECT_TRUE(cycle());
  // Title: flush, 10 ms, flush; then 10 ms and a flush before the game.
  EXPECT_EQ(fake.rests, (std::vector<int>{10, 10, 3000, 2000}));
  EXPECT_EQ(fake.keybuf_clears, 3);
}

}  // namespace
