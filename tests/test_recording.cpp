// Every game recorded as it is played, its file, and its replay: the recorded
// games replayed from the file frame for frame, damaged files refused, and a
// game played through the real title-and-game cycle saved and replayed.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/game_cycle.h"
#include "cycle_support.h"
#include "game/game_loop.h"
#include "recorded_games.h"
#include "record/recorder.h"
#include "record/replay.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const char *const RECORDED[] = {"game_600_frames.txt", "game_1500_frames.txt", "game_3000_frames.txt",
                                "game_to_game_over.txt"};

long final_value(const recording::Recording &text, const std::string &name) {
  for (auto &item : text.final)
    if (item.first == name) return item.second;
  ADD_FAILURE() << "no " << name << " in the final state";
  return -1;
}

// The text recording played as the replay tests do, with the game's recorder on: its file.
Bytes recorded_file(const recording::Recording &text) {
  recording::begin_game();
  bool ended = false;
  for (size_t f = 0; f < text.keys.size() && !ended; ++f) {
    recording::hold_arrows(text.keys[f]);
    ended = game_frame() == FRAME_GAME_ENDED;
  }
  return encode_recording(recorded_game());
}

std::vector<uint32_t> start_checks;  // the check value at each start pause
void note_start(int ms) {
  if (ms == 3000) start_checks.push_back(state_check_value());
}

// Replays `r` headless to its end; the check value after each frame in `checks`.
std::string replayed(const Recording &r, std::vector<uint32_t> *checks = nullptr) {
  use_fake_platform();
  platform.rest = note_start;
  Replay p;
  start_replay(&p, r);
  while (replay_frames_left(p)) {
    replay_frame(&p);
    if (checks) checks->push_back(recording::check_value());
  }
  return replay_mismatch(p);
}

Recording decoded(const Bytes &b) {
  Recording r;
  std::string fault = decode_recording(b.data(), b.size(), &r);
  EXPECT_EQ(fault, "");
  return r;
}

void put32(Bytes *b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*b)[at + i] = static_cast<unsigned char>(v >> (8 * i));
}
void fix_crc(Bytes *b) { put32(b, b->size() - 4, crc32_of(b->data(), b->size() - 4)); }

TEST(Recording, RecordedGamesWrittenAsFilesReplayFrameByFrameToTheirFinalState) {
  for (const char *name : RECORDED) {
    SCOPED_TRACE(name);
    recording::Recording text = load_recording(name);
    Bytes file = recorded_file(text);
    Recording r = decoded(file);
    EXPECT_EQ(r.game_version, GOBBLER_VERSION);
    EXPECT_EQ((V{int(r.frames), r.score, r.lives, r.level, int(r.end == REC_END_LAST_LIFE)}),
              (V{int(final_value(text, "frames")), int(final_value(text, "score")), int(final_value(text, "lives")),
                 int(final_value(text, "level")), int(final_value(text, "ended"))}));
    std::vector<uint32_t> checks;
    EXPECT_EQ(replayed(r, &checks), "");
    EXPECT_EQ(checks, text.checks);
    // What the replay recorded again is the same file.
    EXPECT_EQ(encode_recording(recorded_game()), file);
  }
}

TEST(Recording, AChangedKeyOrClaimIsFoundByTheReplay) {
  recording::Recording text = load_recording("game_to_game_over.txt");
  const Recording good = decoded(recorded_file(text));
  ASSERT_GT(good.runs.size(), 20u);
  struct Case {
    const char *what;
    void (*edit)(Recording *);
    const char *said;
  };
  const Case cases[] = {
      {"one run of keys turned round",
       [](Recording *r) {
         size_t i = r->runs.size() / 2;
         while (!(r->runs[i].arrows & (REC_LEFT | REC_RIGHT))) ++i;
         r->runs[i].arrows ^= REC_LEFT | REC_RIGHT;
       },
       ""},
      {"a higher score claimed", [](Recording *r) { r->score += 10; }, "but the recording claims"},
      {"a frame less", [](Recording *r) { r->frames -= 1, r->runs.back().frames -= 1; }, "goes on after"},
      {"an end by the player claimed", [](Recording *r) { r->end = REC_END_BY_PLAYER; }, ""},
      {"another start", [](Recording *r) { r->fright_timer = 7; }, "check value"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Recording edited = good;
    c.edit(&edited);
    std::string why = replayed(decoded(encode_recording(edited)));
    EXPECT_NE(why, "");
    EXPECT_NE(why.find(c.said), std::string::npos) << why;
  }
}

TEST(Recording, DamagedCutShortOversizedOrOtherVersionFilesAreRefusedInOneLine) {
  recording::Recording text = load_recording("game_600_frames.txt");
  const Bytes good = recorded_file(text);
  Recording r;
  auto refusal = [&r](const Bytes &b) { return decode_recording(b.data(), b.size(), &r); };
  auto one_line = [](const std::string &why) { return !why.empty() && why.find('\n') == std::string::npos; };
  // Every single bit flipped anywhere, every length short of the whole.
  for (size_t i = 0; i < good.size(); ++i)
    for (int bit = 0; bit < 8; ++bit) {
      Bytes b = good;
      b[i] ^= 1 << bit;
      ASSERT_TRUE(one_line(refusal(b))) << "byte " << i << " bit " << bit;
    }
  for (size_t n = 0; n < good.size(); ++n) ASSERT_TRUE(one_line(refusal(Bytes(good.begin(), good.begin() + n)))) << n;
  // Each fault named for what it is.
  Bytes flipped = good, other_version = good, more_frames = good, long_run = good, oversized = good;
  flipped[REC_HEADER_BYTES] ^= 0x40;
  put32(&other_version, 8, 2);
  put32(&more_frames, 44, 601), fix_crc(&more_frames);
  long_run[long_run.size() - 5] |= 0x80, fix_crc(&long_run);  // the last run goes on past the end
  oversized.resize(REC_MAX_BYTES + 1);
  const std::pair<Bytes, std::string> faults[] = {
      {flipped, "damaged: its CRC-32 does not match"},
      {Bytes(good.begin(), good.end() - 1), "cut short"},
      {other_version, "version 2, but this game reads version 1"},
      {more_frames, "keys for 600 frames, but it claims 601"},
      {long_run, "damaged: a run of keys breaks off"},
      {oversized, "too large"},
      {Bytes(good.begin() + 1, good.end()), "not a game recording"},
  };
  for (auto &f : faults) EXPECT_NE(refusal(f.first).find(f.second), std::string::npos) << f.second << ": " << refusal(f.first);
  EXPECT_EQ(refusal(good), "");
  // The file is read whole or not at all: a directory, a missing file, more than the largest.
  EXPECT_EQ(load_recording_file("/", &r), "not a regular file");
  EXPECT_EQ(load_recording_file("/nonexistent/gobbler.rec", &r), "No such file or directory");
}

// The real cycle: the title, then a game with the arrows held, paused once and ended by
// Escape after `ticks` frames; while paused when `end_paused`.
int ticks_to_play, ticks_played;
bool end_paused;

void play_through_cycle(int ticks, bool paused_at_end) {
  use_fake_platform();
  platform.keypressed = [] { return 1; };  // the parade ends in its first frame
  platform.rest = [](int ms) {
    note_start(ms);
    key[KEY_LEFT] = 1, key[KEY_UP] = 1;
  };
  platform.wait_tick = [](int) {
    ++ticks_played;
    key[KEY_P] = ticks_played == 40 || ticks_played == 60 || (end_paused && ticks_played == ticks_to_play - 5);
    if (ticks_played == 120) key[KEY_UP] = 0, key[KEY_DOWN] = 1;
    if (ticks_played == ticks_to_play) key[KEY_ESC] = 1;
  };
  ticks_to_play = ticks, ticks_played = 0, end_paused = paused_at_end;
  ASSERT_TRUE(title_and_game());
  release_all_keys();
}

Bytes file_bytes(const char *name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Recording, GamesThroughTheCycleAfterAnEarlierOneAreSavedWithTheRecordAndReplay) {
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "the saves' file work is the desktop's (test_high_score is left out of this build too)";
#endif
  char pattern[] = "/tmp/gobbler-rec-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  fs::current_path(pattern);
  start_checks.clear();
  game = GameState();
  // The first game ends while paused, the second, longer one beats it in a frame of play;
  // a third that scores less leaves the second's recording.
  // The last picture each game composed, which the rules read.
  headless_setup();
  BITMAP *pictures[2] = {create_bitmap(640, 480), create_bitmap(640, 480)};
  play_through_cycle(200, true);
  blit(back_buffer, pictures[0], 0, 0, 0, 0, 640, 480);
  Bytes first = file_bytes(RECORDING_FILE);
  int32_t first_score = game.score;
  play_through_cycle(700, false);
  blit(back_buffer, pictures[1], 0, 0, 0, 0, 640, 480);
  Bytes second = file_bytes(RECORDING_FILE);
  ASSERT_GT(game.score, first_score);
  play_through_cycle(100, false);
  EXPECT_EQ(file_bytes(RECORDING_FILE), second);
  EXPECT_FALSE(fs::exists("gobbler.rec.new"));

  struct Want { Bytes file; uint32_t end, frames; int32_t hi; BITMAP *picture; };
  // Frames paused (41 to 60, and the first game's last 6) run no rules and are left out.
  for (const Want &w : {Want{first, REC_END_WHILE_PAUSED, 201 - 20 - 6, 0, pictures[0]},
                        Want{second, REC_END_BY_PLAYER, 701 - 20, first_score, pictures[1]}}) {
    Recording r = decoded(w.file);
    EXPECT_EQ((V{int(r.end), int(r.frames), r.hi_score}), (V{int(w.end), int(w.frames), w.hi}));
    size_t starts = start_checks.size();
    EXPECT_EQ(replayed(r), "");
    // The replay starts from the state the cycle's game started from.
    EXPECT_EQ(start_checks.back(), start_checks[w.end == REC_END_WHILE_PAUSED ? 0 : 1]);
    EXPECT_EQ(start_checks.size(), starts + 1);
    EXPECT_EQ(pixels_differing(back_buffer, w.picture), 0);
    destroy_bitmap(w.picture);
  }
  // A recording that cannot be written is said in one line; the score is still saved.
  fs::remove("gobbler.hi");
  game.hi_score = 0;
  fs::create_directory("gobbler.rec.new");
  testing::internal::CaptureStderr();
  play_through_cycle(100, false);
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("cannot save the game's recording to \"gobbler.rec\""), std::string::npos) << said;
  EXPECT_EQ(fs::file_size("gobbler.hi"), 4u);
  EXPECT_EQ(file_bytes(RECORDING_FILE), second);
  fs::current_path(GOBBLER_TESTS_DIR);
  fs::remove_all(pattern);
}

}  // namespace
