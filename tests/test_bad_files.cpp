// Damaged, cut short and lying game files: each is refused with one line
// naming the file, or loads; never a crash, hang or read past a buffer (the
// sanitizer build runs these too). Honest variants of the formats still load.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "headless.h"
#include "render/assets.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes read_file(const std::string &name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
void write_file(const std::string &name, const Bytes &bytes) {
  std::ofstream(name, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}
uint32_t get32(const Bytes &b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
// `b` with the low `n` bytes of `v` written at `at`, little-endian.
Bytes with(Bytes b, size_t at, uint32_t v, int n = 4) {
  for (int i = 0; i < n; ++i) b[at + i] = uint8_t(v >> 8 * i);
  return b;
}
Bytes tag(const char *four) { return Bytes(four, four + 4); }
Bytes le32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }
Bytes join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes &p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}
Bytes slice(const Bytes &b, size_t from, size_t to) { return Bytes(b.begin() + from, b.begin() + to); }

// BMP: file header, then the 40-byte info header. WAV: RIFF header, a
// 16-byte "fmt " chunk, then "data".
const size_t BMP_SIZE = 2, BMP_OFFSET = 10, BMP_INFO = 14, BMP_WIDTH = 18, BMP_HEIGHT = 22, BMP_PLANES = 26,
             BMP_BITS = 28, BMP_COMPRESSION = 30;
const size_t WAV_FMT = 12, WAV_FORMAT = 20, WAV_CHANNELS = 22, WAV_RATE = 24, WAV_BITS = 34, WAV_DATA = 36,
             WAV_DATA_LENGTH = 40;

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

bool same_pixels(BITMAP *a, BITMAP *b) {  // 16-bit pictures
  bool same = a->w == b->w && a->h == b->h;
  for (int y = 0; same && y < a->h; ++y) same = !memcmp(a->line[y], b->line[y], a->w * 2);
  return same;
}

// Loads the whole set: "" when it loaded (after `check` has looked at the
// new set, which is then freed), else the error message.
std::string load(const std::function<void()> &check = nullptr) {
  std::string error;
  alarm(30);  // a load that hangs ends the test program
  bool ok = load_assets(&error);
  alarm(0);
  if (!ok) {
    EXPECT_EQ(memcmp(&assets, &good_set, sizeof assets), 0) << "a refused load changed the loaded set";
    return error.empty() ? "(no message)" : error;
  }
  if (check) check();
  free_set(assets);
  assets = good_set;
  return "";
}

// Loads with `name` holding `bytes`, then puts the good file back. A refusal
// must be one line naming the file and saying why (`reason`, if given).
std::string expect_refused(const std::string &name, const Bytes &bytes, const std::string &what,
                           const std::string &reason = "", bool may_load = false) {
  write_file(name, bytes);
  std::string error = load();
  write_file(name, read_file((fs::path(GOBBLER_DATA_DIR) / name).string()));
  SCOPED_TRACE(name + ", " + what + ": " + error);
  EXPECT_TRUE(may_load || !error.empty()) << "loaded";
  if (error.empty()) return error;
  EXPECT_EQ(error.find('\n'), std::string::npos);
  EXPECT_TRUE(error.rfind("gobbler: cannot load \"" + name + "\": ", 0) == 0 ||
              error.rfind("gobbler: \"" + name + "\" is ", 0) == 0);
  EXPECT_GT(error.size(), name.size() + 30) << "says too little";
  EXPECT_NE(error.find(reason), std::string::npos) << "expected: " << reason;
  return error;
}

// Header fields made to lie: `bytes` bytes at `at` set to each of `values`.
struct Lie { size_t at; int bytes; const char *reason; std::vector<uint32_t> values; };
void expect_lies_refused(const std::string &name, const Bytes &good, const std::vector<Lie> &lies) {
  for (const Lie &lie : lies)
    for (uint32_t v : lie.values)
      expect_refused(name, with(good, lie.at, v, lie.bytes),
                     "field " + std::to_string(lie.at) + " = " + std::to_string(v), lie.reason);
}

class BadFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() { headless_setup(), good_set = assets; }
  // Each test works in a fresh copy of data/, which is the working directory.
  void SetUp() override {
    fs::remove_all(DIR);
    fs::copy(GOBBLER_DATA_DIR, DIR);
    fs::current_path(DIR);
  }
  void TearDown() override { assets = good_set, fs::remove_all(DIR); }
};

// Both kinds: the first and last sound, the title, both wall pieces, a player
// frame, a ghost and the last fruit (the last file loaded).
TEST_F(BadFiles, EmptyCutShortFlippedAndDirectoryFilesAreRefused) {
  std::mt19937 dice(20240611);
  for (const char *name : {"eating.wav", "eatghost.wav", "intro.bmp", "mazer.bmp", "mazelcorner.bmp", "gobu2.bmp",
                           "tobin_l.bmp", "fruit8.bmp"}) {
    const Bytes whole = read_file(name);
    ASSERT_GT(whole.size(), 100u) << name;
    expect_refused(name, {}, "empty", "empty");
    // Cut at every length through the headers, then in steps of 1/14.
    for (size_t n = 1; n < whole.size(); n += n < 64 ? 1 : whole.size() / 14)
      expect_refused(name, slice(whole, 0, n), "cut to " + std::to_string(n) + " bytes");
    expect_refused(name, slice(whole, 0, whole.size() - 1), "one byte short");

    int refused = 0;
    for (int variant = 0; variant < 48; ++variant) {
      Bytes bytes = whole;
      std::string what = "flipped at";
      for (int i = 0, flips = 1 + dice() % 4; i < flips; ++i) {
        size_t at = dice() % (variant % 4 == 3 ? bytes.size() : 64);  // mostly in the headers
        bytes[at] ^= uint8_t(1 + dice() % 255);
        what += " " + std::to_string(at);
      }
      refused += !expect_refused(name, bytes, what, "", true).empty();
    }
    EXPECT_GT(refused, 12) << name << ": header damage loaded as something else";

    ASSERT_TRUE(fs::remove(name) && fs::create_directory(name));
    EXPECT_EQ(load(), std::string("gobbler: cannot load \"") + name + "\": it is a directory, not a file");
    fs::remove(name);
    write_file(name, whole);
  }
  EXPECT_EQ(load(), "");
}

// The game's 24-bit picture as 32 bits per pixel.
Bytes as_32_bit(const Bytes &b24) {
  uint32_t w = get32(b24, BMP_WIDTH), h = get32(b24, BMP_HEIGHT), row = (w * 3 + 3) & ~3u;
  Bytes b = slice(b24, 0, 54);
  for (uint32_t y = 0, at = get32(b24, BMP_OFFSET); y < h; ++y)
    for (uint32_t x = at + y * row; x < at + y * row + w * 3; x += 3)
      b.insert(b.end(), {b24[x], b24[x + 1], b24[x + 2], 0});
  return with(with(with(b, BMP_BITS, 32, 2), BMP_SIZE, uint32_t(b.size())), 34, uint32_t(b.size() - 54));
}

// The same pixels behind the old 12-byte header: 16-bit width and height.
Bytes with_short_header(const Bytes &b24) {
  const uint32_t w = get32(b24, BMP_WIDTH), h = get32(b24, BMP_HEIGHT);
  const Bytes header = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, uint8_t(w), uint8_t(w >> 8),
                        uint8_t(h), uint8_t(h >> 8), 1, 0, 24, 0};
  const Bytes b = join({header, slice(b24, get32(b24, BMP_OFFSET), b24.size())});
  return with(b, BMP_SIZE, uint32_t(b.size()));
}

TEST_F(BadFiles, LyingPictureHeadersAreRefusedAndHonestFormsLoad) {
  for (const char *name : {"gobu2.bmp", "intro.bmp", "mazer.bmp"}) {
    const Bytes good = read_file(name);
    const uint32_t size = uint32_t(good.size());
    expect_lies_refused(name, good,
        {{BMP_WIDTH, 4, "out of range", {0, uint32_t(-640), 4097, 0x80000000u}}, {BMP_PLANES, 2, "planes", {0, 2}},
         {BMP_HEIGHT, 4, "out of range", {0, 100000}}, {BMP_HEIGHT, 4, "top-down", {uint32_t(-480), 0x80000000u}},
         {BMP_BITS, 2, "bits per pixel", {0, 7, 64}}, {BMP_COMPRESSION, 4, "compressed", {3, 0xffffffffu}},
         {BMP_INFO, 4, "header", {16, 108, 0xffffffffu}}, {BMP_OFFSET, 4, "", {0, 53, size, 0xffffffffu}},
         {BMP_SIZE, 4, "cut short", {size + 1, 0xffffffffu}}, {0, 2, "\"BM\"", {'M' | 'B' << 8}}});
    expect_refused(name, with(with(good, BMP_WIDTH, 50000), BMP_HEIGHT, 50000), "50000 squared", "out of range");
    // Run-length data that is really plain pixels: the library's decoder
    // writes past the picture on such runs.
    for (uint32_t bits : {8u, 4u})
      expect_refused(name, with(with(good, BMP_BITS, bits, 2), BMP_COMPRESSION, bits == 8 ? 1 : 2),
                     "run-length " + std::to_string(bits), "compressed");
    expect_refused(name, join({tag("RIFF"), good}), "a sound's mark", "\"BM\"");
  }

  // Also bytes after the last row, and a file size field left at 0.
  const Bytes ghost = read_file("tobin_l.bmp");
  for (const Bytes &form :
       {as_32_bit(ghost), with_short_header(ghost), join({ghost, Bytes(100, 0xab)}), with(ghost, BMP_SIZE, 0)}) {
    write_file("tobin_l.bmp", form);
    EXPECT_EQ(load([] { EXPECT_TRUE(same_pixels(assets.ghost[2][DIR_LEFT], good_set.ghost[2][DIR_LEFT])); }), "");
  }
}

// The last sound loaded: a refusal there must also free the sounds before it.
TEST_F(BadFiles, LyingSoundHeadersAreRefusedAndHonestFormsLoad) {
  const Bytes good = read_file("eatghost.wav");
  const uint32_t length = uint32_t(good.size() - WAV_DATA - 8);
  ASSERT_EQ(get32(good, WAV_DATA_LENGTH), length) << "not the game's usual layout";
  expect_lies_refused(
      "eatghost.wav", good,
      {{WAV_DATA_LENGTH, 4, "past the end", {length + 2, length * 2, 0x80000000u, 0xffffffffu}},
       {WAV_DATA_LENGTH, 4, "no sound", {0}}, {WAV_DATA_LENGTH, 4, "whole number", {1}},
       {WAV_CHANNELS, 2, "channels", {0, 3}}, {WAV_BITS, 2, "bits per sample", {12, 24}},
       {WAV_RATE, 4, "sample rate", {0, 192001}}, {WAV_FORMAT, 2, "PCM", {3}}, {3, 1, "RIFF", {'X'}},
       {WAV_FMT + 4, 4, "cut short", {2}}, {WAV_FMT + 4, 4, "past the end", {0x7fffffffu}}, {11, 1, "RIFF", {'X'}}});
  const Bytes riff = slice(good, 0, WAV_FMT), fmt = slice(good, WAV_FMT, WAV_DATA),
              data = slice(good, WAV_DATA, good.size()), lie = join({tag("LIST"), le32(0x7ffffff0u), tag("INFO")});
  const std::pair<Bytes, const char *> chunks[] = {
      {join({riff, data}), "before the \"fmt \" chunk"}, {join({riff, data, fmt}), "before the \"fmt \" chunk"},
      {join({riff, fmt}), "no \"data\" chunk"}, {riff, "no \"fmt \" chunk"}, {read_file("mazer.bmp"), "RIFF"},
      {join({riff, fmt, data, data}), "more than one"}, {join({riff, fmt, data, lie}), "past the end"},
      {join({riff, fmt, lie, data}), "past the end"}};
  for (const auto &[bytes, reason] : chunks) expect_refused("eatghost.wav", bytes, reason, reason);

  // An 18-byte "fmt " chunk, a chunk to skip before the data and one after.
  const Bytes long_fmt = with(join({fmt, Bytes(2)}), 4, 18);
  const Bytes list = join({tag("LIST"), le32(6), tag("INFO"), Bytes(2)});
  for (const Bytes &form :
       {join({riff, long_fmt, data}), join({riff, fmt, list, data}), join({riff, fmt, data, list})}) {
    write_file("eatghost.wav", form);
    EXPECT_EQ(load([] {
                const SAMPLE &a = *assets.eat_ghost, &b = *good_set.eat_ghost;
                EXPECT_TRUE(a.len == b.len && a.bits == 16 && a.freq == b.freq && !memcmp(a.data, b.data, a.len * 2));
              }),
              "");
  }
}

}  // namespace
