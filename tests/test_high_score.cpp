// The high-score file and the title-and-game cycle that reads and saves it.
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

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
size_t entries(const char *dir = ".") {
  return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}
void set_mode(const fs::path &path, unsigned mode) { fs::permissions(path, fs::perms(mode)); }

// Two rounds of the game cycle's file work, done by a player in a child process: load the
// score (5 before the first), then save `better` in the first round and `better` + 1 in the
// second. `got` holds each round's score loaded and whether its save worked, `said` what the
// player saw on stderr, `status` how the child ended (0: it returned normally).
struct PlayerRun { V got; std::string said; int status = -1; };
const int CANNOT_SWITCH = 77;

std::string read_all(int fd) {
  std::string all;
  char buf[512];
  for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) all.append(buf, n);
  return close(fd), all;
}

// The player is the unprivileged user "nobody" when `unprivileged` and the tests run as root
// (otherwise the tests' own user already is one), with a file-size limit of `size_limit`
// bytes. False when the child could not become "nobody".
bool run_player(PlayerRun *run, int32_t better, bool unprivileged, rlim_t size_limit = RLIM_INFINITY) {
  int results[2], errors[2];
  if (pipe(results) != 0 || pipe(errors) != 0) throw std::runtime_error("pipe");
  if (fork() == 0) {
    dup2(errors[1], 2);
    const rlimit limit = {size_limit, size_limit};
    if ((unprivileged && getuid() == 0 && (setgroups(0, nullptr) || setgid(65534) || setuid(65534))) ||
        (size_limit != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &limit)))
      _exit(CANNOT_SWITCH);
    int32_t hi = 5, got[4];
    for (int round = 0; round < 2; ++round) {
      load_high_score(&hi);
      got[2 * round] = hi, got[2 * round + 1] = save_high_score(better + round);
    }
    _exit(write(results[1], got, sizeof got) == sizeof got ? 0 : 1);
  }
  close(results[1]), close(errors[1]);
  int32_t got[4];
  bool told = read(results[0], got, sizeof got) == sizeof got;  // one write, under PIPE_BUF
  close(results[0]);
  run->got = told ? V(got, got + 4) : V{};
  run->said = read_all(errors[0]);
  wait(&run->status);
  return !(WIFEXITED(run->status) && WEXITSTATUS(run->status) == CANNOT_SWITCH);
}
#define RUN_PLAYER(...) \
  if (!run_player(__VA_ARGS__)) GTEST_SKIP() << "cannot switch to the unprivileged user \"nobody\""

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
  void TearDown() override {
    release_all_keys(), fs::current_path(GOBBLER_TESTS_DIR);
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);  // some tests lock it
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(HighScore, FileHoldsFourLittleEndianBytesKeptWhenASaveFails) {
  EXPECT_EQ(loaded(4321), 4321);  // no file
  write_bytes({0x11, 0x11, 0x11});
  EXPECT_EQ(loaded(900), 900);  // too short
  write_bytes({0x10, 0x27, 0x00, 0x00, 0xaa, 0xbb, 0xcc});
  EXPECT_EQ(loaded(900), 10000);
  // A save replaces all of a longer file and leaves nothing else behind.
  ASSERT_TRUE(save_high_score(0x47654321));
  EXPECT_EQ(read_bytes(), (Bytes{0x21, 0x43, 0x65, 0x47}));
  EXPECT_EQ(loaded(77), 0x47654321);
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
  // Failures that stop even root: the temporary's name taken by a directory, or leading to a
  // full device (the half-made temporary must go). The old file stays; one line says why.
  for (bool full_device : {false, true}) {
    if (full_device) fs::create_symlink("/dev/full", "gobbler.hi.new");
    else fs::create_directory("gobbler.hi.new");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_high_score(0x50000000));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(std::count(said.begin(), said.end(), '\n') == 1 && said.find("gobbler.hi") != said.npos) << said;
    EXPECT_EQ(read_bytes(), (Bytes{0x21, 0x43, 0x65, 0x47}));
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
    EXPECT_EQ(fake.rests, (V{10, 3000, 2000}));  // the title's, the start's, the game-over box once
    EXPECT_EQ(read_bytes(), c.file_after);
    EXPECT_FALSE(fs::exists("gobbler.hi.new"));
  }
}


// A file the player cannot read may hold a record: it is never replaced, the game says so once
// and plays on. Mode 000 stops only a player who is not root.
TEST_F(HighScore, UnreadableFileIsNeverOverwritten) {
  set_mode(dir_, 0777);  // the player may make files here
  struct Case { const char *what; void (*make)(); bool unprivileged; std::string why; };
  const Case cases[] = {
      {"a directory", [] { fs::create_directory("gobbler.hi"); }, false, "not a regular file"},
      {"a pipe", [] { mkfifo("gobbler.hi", 0666); }, false, "not a regular file"},
      {"mode 000", [] { write_bytes({0xa0, 0x86, 0x01, 0x00}), set_mode("gobbler.hi", 0); }, true, "Permission denied"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    c.make();
    struct stat before, after;
    lstat("gobbler.hi", &before);
    PlayerRun run;
    RUN_PLAYER(&run, 200000, c.unprivileged);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.got, (V{5, 0, 5, 0}));
    EXPECT_EQ(run.said, "gobbler: cannot read \"gobbler.hi\" (" + c.why + "); the high score will not be saved over it\n");
    lstat("gobbler.hi", &after);
    EXPECT_EQ((V{int(after.st_ino), int(after.st_mode)}), (V{int(before.st_ino), int(before.st_mode)}));
    if (c.unprivileged) {
      set_mode("gobbler.hi", 0600);  // for the tests' own user to read
      EXPECT_EQ(read_bytes(), (Bytes{0xa0, 0x86, 0x01, 0x00}));
    }
    EXPECT_EQ(entries(), 1u);  // no temporary left
    fs::remove_all("gobbler.hi");
  }
}

// A link to a shared score file, even through a second link (relative to its own directory),
// sends the score to the file it ends at; the links stay links. A link to a file not made yet
// makes it; one into a missing directory fails, naming where it leads.
TEST_F(HighScore, SaveWritesThroughLinksToTheirTarget) {
  fs::create_directory("shared"), fs::create_directory("links");
  std::ofstream("shared/best.hi", std::ios::binary).write("\x64\0\0\0", 4);
  fs::create_symlink("../shared/best.hi", "links/best.hi");
  fs::create_symlink("links/best.hi", "gobbler.hi");
  EXPECT_EQ(loaded(5), 100);
  EXPECT_TRUE(save_high_score(250));
  EXPECT_TRUE(fs::is_symlink("gobbler.hi") && fs::is_symlink("links/best.hi"));
  EXPECT_EQ(read_bytes(), (Bytes{250, 0, 0, 0}));
  EXPECT_EQ((V{int(entries()), int(entries("links")), int(entries("shared"))}), (V{3, 1, 1}));
  fs::remove("shared/best.hi");
  EXPECT_TRUE(save_high_score(300));
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("shared/best.hi")) && fs::is_symlink("gobbler.hi"));
  EXPECT_EQ(read_bytes(), (Bytes{0x2c, 0x01, 0, 0}));
  fs::remove("links/best.hi"), fs::create_symlink("../nowhere/best.hi", "links/best.hi");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(save_high_score(400));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "gobbler: cannot save the high score 400 to \"links/../nowhere/best.hi\": No such file or directory\n");
  EXPECT_TRUE(fs::is_symlink("gobbler.hi") && fs::is_symlink("links/best.hi") && !fs::exists("nowhere"));
}

// Nothing is written through what holds the temporary file's name: a link planted there (to a
// file, or to one not made yet) is removed and that save fails; the next save goes ahead. A
// regular file left by a save cut short is replaced at once.
TEST_F(HighScore, TemporaryFileIsNeverWrittenThroughALinkLeftInItsPlace) {
  std::ofstream("victim", std::ios::binary).write("keep", 4);
  int32_t score = 900;
  for (const char *to : {"victim", "made_through_link"}) {
    SCOPED_TRACE(to);
    fs::create_symlink(to, "gobbler.hi.new");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_high_score(score += 10));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("gobbler.hi"), std::string::npos);
    EXPECT_FALSE(fs::exists(fs::symlink_status("gobbler.hi.new")));
    EXPECT_TRUE(save_high_score(score + 1));
    EXPECT_EQ(loaded(0), score + 1);
    std::ifstream victim("victim", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(victim), std::istreambuf_iterator<char>()), "keep");
    EXPECT_FALSE(fs::exists("made_through_link"));
  }
  std::ofstream("gobbler.hi.new", std::ios::binary).write("stale!", 6);
  EXPECT_TRUE(save_high_score(950));
  EXPECT_EQ(read_bytes(), (Bytes{0xb6, 0x03, 0, 0}));
  EXPECT_EQ(entries(), 2u);  // gobbler.hi and the victim
}

// In a directory the player cannot write no temporary file can be made: a writable score file
// is written in place, all of it replaced by the 4 bytes; one the player cannot write is kept.
TEST_F(HighScore, ReadOnlyDirectoryGetsTheFileWrittenInPlace) {
  write_bytes({100, 0, 0, 0, 0x5a, 0xa5});
  set_mode("gobbler.hi", 0666), set_mode(dir_, 0555);
  PlayerRun run;
  RUN_PLAYER(&run, 200, true);
  EXPECT_EQ((V{run.status, int(run.said.size())}), (V{0, 0})) << run.said;
  EXPECT_EQ(run.got, (V{100, 1, 200, 1}));
  EXPECT_EQ(read_bytes(), (Bytes{201, 0, 0, 0}));
  set_mode("gobbler.hi", 0444);
  RUN_PLAYER(&run, 300, true);
  EXPECT_EQ(run.got, (V{201, 0, 201, 0}));
  EXPECT_EQ(run.said, "gobbler: cannot save the high score 300 to \"gobbler.hi\": Permission denied\n"
                      "gobbler: cannot save the high score 301 to \"gobbler.hi\": Permission denied\n");
  EXPECT_EQ(read_bytes(), (Bytes{201, 0, 0, 0}));
  EXPECT_EQ(entries(), 1u);
}

// Under a file-size limit of 0 a save fails with a message instead of the signal that would
// kill the game, through a temporary file or in place; the old score stays, and nothing else.
TEST_F(HighScore, FileSizeLimitFailsTheSaveNotTheGame) {
  // The game's own handling of the signal is back after a save.
  struct sigaction mine = {}, before, after;
  mine.sa_handler = +[](int) {};
  sigaction(SIGXFSZ, &mine, &before);
  EXPECT_TRUE(save_high_score(100));
  sigaction(SIGXFSZ, &before, &after);
  EXPECT_EQ(after.sa_handler, mine.sa_handler);
  set_mode("gobbler.hi", 0666);
  for (bool in_place : {false, true}) {
    SCOPED_TRACE(in_place ? "in place" : "through a temporary");
    set_mode(dir_, in_place ? 0555 : 0777);
    PlayerRun run;
    RUN_PLAYER(&run, 200, in_place, 0);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.got, (V{100, 0, 100, 0}));
    EXPECT_EQ(std::count(run.said.begin(), run.said.end(), '\n'), 2);
    EXPECT_NE(run.said.find("\"gobbler.hi\": File too large\n"), run.said.npos) << run.said;
    EXPECT_EQ(read_bytes(), (Bytes{100, 0, 0, 0}));
    EXPECT_EQ(entries(), 1u);
  }
}

// Two games in one directory saving at once, again and again, each score beating the other's
// last: under the lock the record only grows, what is kept beside it always goes with it, and
// no save fails (none takes the other's temporary file for a stale one and removes it).
TEST_F(HighScore, TwoGamesSavingAtOnceNeverLowerTheRecord) {
  const int SAVES = 300;
  int errors[2];
  ASSERT_EQ(pipe(errors), 0);
  pid_t games[2];
  for (int k = 0; k < 2; ++k) {
    if ((games[k] = fork()) != 0) continue;
    dup2(errors[1], 2);
    int lowered = 0;
    for (int32_t mine = 2 + k; mine <= 2 * SAVES + k; mine += 2) {
      save_high_score(mine, [mine] {
        std::string beside = std::to_string(mine);
        store_file("beside", reinterpret_cast<const unsigned char *>(beside.data()), beside.size());
      });
      lowered += loaded(0) < mine;
      usleep(1000);  // a game does other things between its saves
    }
    _exit(std::min(lowered, 100));
  }
  close(errors[1]);
  std::string said = read_all(errors[0]);
  for (pid_t g : games) {
    int status;
    waitpid(g, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a game saw the record lowered " << status;
  }
  EXPECT_EQ(said, "");
  EXPECT_EQ(loaded(0), 2 * SAVES + 1);
  std::ifstream beside("beside");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(beside), std::istreambuf_iterator<char>()),
            std::to_string(2 * SAVES + 1));
  EXPECT_EQ(entries(), 2u);  // no temporary left
}

// A lower or equal score leaves the record and what is kept beside it alone. A lock held by
// another save that never ends delays a save by two seconds at most: it goes on without, saying so.
TEST_F(HighScore, LowerScoreWritesNothingAndAHeldLockDoesNotHang) {
  int kept = 0;
  EXPECT_TRUE(save_high_score(500, [&kept] { ++kept; }));
  for (int32_t score : {500, 499, -1}) EXPECT_FALSE(save_high_score(score, [&kept] { ++kept; }));
  EXPECT_EQ((V{kept, loaded(0)}), (V{1, 500}));
  int held = open(".", O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  testing::internal::CaptureStderr();
  EXPECT_TRUE(save_high_score(600, [&kept] { ++kept; }));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "gobbler: cannot lock \".\" (another save holds it); saving without the lock\n");
  close(held);
  EXPECT_EQ((V{kept, loaded(0)}), (V{2, 600}));
}

}  // namespace
