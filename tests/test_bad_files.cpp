// Damaged, cut short and lying game files: refused with one line naming the
// file, never a crash, hang or read past a buffer (the sanitizer build runs
// these too). Honest variants of the formats still load.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "headless.h"
#include "render/assets.h"

namespace fs = std::filesystem;
namespace {

using Bytes = std::vector<unsigned char>;
Bytes read_file(const std::string &name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}
void write_file(const std::string &name, const Bytes &b) {
  std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char *>(b.data()), std::streamsize(b.size()));
}
// `b` with the low `n` bytes of `v` written at `at`, little-endian.
Bytes with(Bytes b, size_t at, uint32_t v, int n = 4) {
  for (int i = 0; i < n; ++i) b[at + i] = uint8_t(v >> 8 * i);
  return b;
}
Bytes join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes &p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}
Bytes slice(const Bytes &b, size_t from, size_t to) { return Bytes(b.begin() + from, b.begin() + to); }

// BMP: file header, then the 40-byte info header. WAV: "RIFF" header, a
// 16-byte "fmt " chunk, then "data".
const size_t BMP_SIZE = 2, BMP_OFFSET = 10, BMP_INFO = 14, BMP_WIDTH = 18, BMP_HEIGHT = 22, BMP_BITS = 28,
             BMP_COMPRESSION = 30, WAV_FMT = 12, WAV_CHANNELS = 22, WAV_RATE = 24, WAV_BITS = 34, WAV_DATA = 36;
AssetSet good_set;
const fs::path DIR = fs::temp_directory_path() / ("gobbler-bad-" + std::to_string(getpid()));

void free_set(const AssetSet &a) {
  for (SAMPLE *s : {a.eating, a.dies, a.fruit_or_pill, a.intro, a.eat_ghost}) destroy_sample(s);
  std::set<BITMAP *> pictures = {a.title, a.straight_wall, a.wall_corner, a.frightened, a.frightened_flash};
  pictures.insert(a.player, a.player + PLAYER_FRAMES);
  for (auto &row : a.ghost) pictures.insert(row, row + 4);
  pictures.insert(a.fruit, a.fruit + LEVELS);
  for (BITMAP *b : pictures) destroy_bitmap(b);
}

// Loads the set: "" when it loads (`check` looks at it, then it is freed), else the error.
std::string load(void (*check)() = [] {}) {
  std::string error;
  alarm(30);  // a hanging load ends the program
  const bool ok = load_assets(&error);
  alarm(0);
  if (ok) check(), free_set(assets), assets = good_set;
  else EXPECT_EQ(memcmp(&assets, &good_set, sizeof assets), 0) << "a refused load changed the loaded set";
  return ok ? "" : error.empty() ? "(no message)" : error;
}

// Loads with `name` holding `bytes`, then puts the good file back. A refusal is one line naming it and why.
std::string try_file(const std::string &name, const Bytes &bytes, const std::string &what,
                     const std::string &reason = "", bool may_load = false) {
  write_file(name, bytes);
  const std::string error = load();
  write_file(name, read_file(data_path(name)));
  EXPECT_TRUE(may_load || !error.empty()) << name << ", " << what << ": loaded";
  EXPECT_TRUE(error.empty() || (error.find('\n') == error.npos && error.find(reason) != error.npos &&
                                (error.rfind("gobbler: cannot load \"" + name + "\": ", 0) == 0 ||
                                 error.rfind("gobbler: \"" + name + "\" is ", 0) == 0)))
      << name << ", " << what << ": " << error << " (expected: " << reason << ")";
  return error;
}

// Header fields made to lie: `n` bytes at `at` set to each of `values`.
struct Lie { size_t at; int n; const char *reason; std::vector<uint32_t> values; };
void try_lies(const std::string &name, const Bytes &good, const std::vector<Lie> &lies) {
  for (const Lie &lie : lies)
    for (uint32_t v : lie.values)
      try_file(name, with(good, lie.at, v, lie.n), std::to_string(lie.at) + " = " + std::to_string(v), lie.reason);
}

class BadFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() { headless_setup(), good_set = assets; }
  // Each test works in a fresh copy of data/ as the working directory.
  void SetUp() override { fs::remove_all(DIR), fs::copy(GOBBLER_DATA_DIR, DIR), fs::current_path(DIR); }
  void TearDown() override { assets = good_set, fs::remove_all(DIR); }
};

// The first and last sound, the title, a wall, a shared player frame, a ghost and the last file loaded.
TEST_F(BadFiles, EmptyCutShortFlippedAndDirectoryFilesAreRefused) {
  std::mt19937 dice(20240611);
  for (const char *name :
       {"eating.wav", "eatghost.wav", "intro.bmp", "mazer.bmp", "gobu2.bmp", "tobin_l.bmp", "fruit8.bmp"}) {
    const Bytes whole = read_file(name);
    try_file(name, {}, "empty", "empty");
    // Cut at every length through the headers, then in steps of 1/14.
    for (size_t n = 1; n < whole.size(); n += n < 64 ? 1 : whole.size() / 14)
      try_file(name, slice(whole, 0, n), "cut to " + std::to_string(n));
    try_file(name, slice(whole, 0, whole.size() - 1), "one byte short");
    int refused = 0;
    for (int variant = 0; variant < 48; ++variant) {
      Bytes bytes = whole;
      for (int i = 0, flips = 1 + dice() % 4; i < flips; ++i)  // mostly in the headers
        bytes[dice() % (variant % 4 == 3 ? bytes.size() : 64)] ^= uint8_t(1 + dice() % 255);
      refused += !try_file(name, bytes, "flips, variant " + std::to_string(variant), "", true).empty();
    }
    EXPECT_GT(refused, 12) << name << ": header damage loaded as something else";
    ASSERT_TRUE(fs::remove(name) && fs::create_directory(name));
    EXPECT_EQ(load(), std::string("gobbler: cannot load \"") + name + "\": it is a directory, not a file");
    fs::remove(name), write_file(name, whole);
  }
  EXPECT_EQ(load(), "");
}

TEST_F(BadFiles, LyingHeadersAreRefusedAndHonestFormsLoad) {
  for (const char *name : {"gobu2.bmp", "intro.bmp", "mazer.bmp"}) {
    const Bytes good = read_file(name);
    const uint32_t size = uint32_t(good.size());
    try_lies(name, good,
             {{BMP_WIDTH, 4, "out of range", {0, uint32_t(-640), 4097, 0x80000000u}},
              {BMP_HEIGHT, 4, "out of range", {0, 100000}}, {BMP_HEIGHT, 4, "top-down", {uint32_t(-480)}},
              {BMP_BITS, 2, "bits per pixel", {0, 7}}, {BMP_COMPRESSION, 4, "compressed", {3, 0xffffffffu}},
              {BMP_INFO, 4, "header", {16, 0xffffffffu}}, {BMP_OFFSET, 4, "", {0, 53, size, 0xffffffffu}},
              {BMP_SIZE, 4, "cut short", {size + 1, 0xffffffffu}}, {0, 1, "\"BM\"", {'M'}}});
    try_file(name, with(with(good, BMP_WIDTH, 50000), BMP_HEIGHT, 50000), "50000 squared", "out of range");
    // Plain pixels called run-length data: the library's decoder writes past the picture on such runs.
    try_file(name, with(with(good, BMP_BITS, 8, 2), BMP_COMPRESSION, 1), "run-length", "compressed");
  }
  // The last sound loaded: a refusal there must also free the sounds before it.
  const Bytes good = read_file("eatghost.wav");
  const uint32_t length = uint32_t(good.size() - WAV_DATA - 8);
  try_lies("eatghost.wav", good,
           {{WAV_DATA + 4, 4, "past the end", {length + 2, length * 2, 0x80000000u, 0xffffffffu}},
            {WAV_DATA + 4, 4, "no sound", {0}}, {WAV_DATA + 4, 4, "whole number", {1}},
            {WAV_CHANNELS, 2, "channels", {0, 3}}, {WAV_BITS, 2, "bits per sample", {12}},
            {WAV_RATE, 4, "sample rate", {0, 192001}}, {WAV_FMT + 8, 2, "PCM", {3}}, {3, 1, "RIFF", {'X'}},
            {WAV_FMT + 4, 4, "cut short", {2}}, {WAV_FMT + 4, 4, "past the end", {0x7fffffffu}}});
  const Bytes riff = slice(good, 0, WAV_FMT), fmt = slice(good, WAV_FMT, WAV_DATA),
              data = slice(good, WAV_DATA, good.size()), lie = with(Bytes(12, 'L'), 4, 0x7ffffff0u);
  for (const auto &[bytes, reason] : std::vector<std::pair<Bytes, const char *>>{
           {join({riff, data, fmt}), "before the \"fmt \" chunk"}, {join({riff, fmt}), "no \"data\" chunk"},
           {riff, "no \"fmt \" chunk"}, {join({riff, fmt, data, data}), "more than one"},
           {join({riff, fmt, lie, data}), "past the end"}})
    try_file("eatghost.wav", bytes, reason, reason);

  // Honest forms: bytes after a picture's last row, its size field left at 0;
  // an 18-byte "fmt " chunk, a chunk to skip before the sound's data and after.
  const Bytes ghost = read_file("tobin_l.bmp"), skip = with(Bytes(14, 'L'), 4, 6);
  for (const auto &[name, form] : std::vector<std::pair<const char *, Bytes>>{
           {"tobin_l.bmp", join({ghost, Bytes(100, 0xab)})}, {"tobin_l.bmp", with(ghost, BMP_SIZE, 0)},
           {"eatghost.wav", join({riff, with(join({fmt, Bytes(2)}), 4, 18), data})},
           {"eatghost.wav", join({riff, fmt, skip, data})}, {"eatghost.wav", join({riff, fmt, data, skip})}}) {
    write_file(name, form);
    EXPECT_EQ("", load([] {
      const BITMAP &a = *assets.ghost[2][DIR_LEFT], &b = *good_set.ghost[2][DIR_LEFT];
      const SAMPLE &s = *assets.eat_ghost, &t = *good_set.eat_ghost;
      ASSERT_TRUE(a.w == b.w && a.h == b.h && s.len == t.len && s.bits == 16 && s.freq == t.freq);
      for (int y = 0; y < b.h; ++y) EXPECT_EQ(memcmp(a.line[y], b.line[y], b.w * 2), 0) << y;
      EXPECT_EQ(memcmp(s.data, t.data, s.len * 2), 0);
    })) << name;
  }
}

}  // namespace
