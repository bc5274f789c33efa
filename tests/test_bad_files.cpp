// Damaged, cut short and lying game files: refused with one line naming the
// file, never a crash, hang or read past a buffer (the sanitizer build runs
// these too). Honest variants of the formats still load.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "headless.h"
#include "render/assets.h"
#include "render/file_check.h"

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
Bytes at_24_bits(const Bytes &b);

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
    const Bytes good = at_24_bits(read_file(name));
    const uint32_t size = uint32_t(good.size());
    try_lies(name, good,
             {{BMP_WIDTH, 4, "out of range", {0, uint32_t(-640), 4097, 0x80000000u}},
              {BMP_HEIGHT, 4, "out of range", {0, 100000}}, {BMP_HEIGHT, 4, "top-down", {uint32_t(-480)}},
              {BMP_BITS, 2, "bits per pixel", {0, 7}}, {BMP_COMPRESSION, 4, "bit fields", {3}},
              {BMP_COMPRESSION, 4, "(compression 4294967295)", {0xffffffffu}},
              {BMP_INFO, 4, "header", {16, 0xffffffffu}}, {BMP_OFFSET, 4, "", {0, 53, size, 0xffffffffu}},
              {0, 1, "\"BM\"", {'M'}}});
    try_file(name, with(with(good, BMP_WIDTH, 50000), BMP_HEIGHT, 50000), "50000 squared", "out of range");
    // Plain pixels called run-length data: the library's decoder writes past the picture on such runs.
    try_file(name, with(with(good, BMP_BITS, 8, 2), BMP_COMPRESSION, 1), "run-length", SAVE_AS_24_BIT);
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

  // Honest forms: bytes after a picture's last row, its size field left at 0
  // or wrong (the loader never reads it); an 18-byte "fmt " chunk, a chunk to
  // skip before the sound's data and after.
  const Bytes ghost = read_file("tobin_l.bmp"), skip = with(Bytes(14, 'L'), 4, 6);
  for (const auto &[name, form] : std::vector<std::pair<const char *, Bytes>>{
           {"tobin_l.bmp", join({ghost, Bytes(100, 0xab)})}, {"tobin_l.bmp", with(ghost, BMP_SIZE, 0)},
           {"tobin_l.bmp", with(ghost, BMP_SIZE, uint32_t(ghost.size() + 1))},
           {"tobin_l.bmp", with(ghost, BMP_SIZE, 0xffffffffu)},
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

// Pictures as other programs save them. The game's 24-bit picture `b` as
// colour numbers into a table of its colours, rows from the top.
struct Indexed { int w, h; std::vector<int> index; Bytes table; };
Indexed indexed(const Bytes &b) {
  Indexed p = {int(b[BMP_WIDTH] | b[BMP_WIDTH + 1] << 8), int(b[BMP_HEIGHT] | b[BMP_HEIGHT + 1] << 8), {}, {}};
  std::vector<uint32_t> colours;
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) {
      const unsigned char *c = &b[54 + size_t((p.h - 1 - y) * ((p.w * 3 + 3) & ~3) + x * 3)];
      const uint32_t bgr = c[0] | c[1] << 8 | c[2] << 16;
      auto at = std::find(colours.begin(), colours.end(), bgr);
      p.index.push_back(int(at - colours.begin()));
      if (at == colours.end()) colours.push_back(bgr), p.table.insert(p.table.end(), {c[0], c[1], c[2], 0});
    }
  return p;
}
// A 40-byte-header BMP: what lies between the header and the pixels, then the pixels.
Bytes bmp_of(int w, int h, int bits, uint32_t compression, const Bytes &before, const Bytes &pixels) {
  Bytes head = with(with(with(with(with(Bytes(54), 0, 'B' | 'M' << 8, 2), BMP_OFFSET, uint32_t(54 + before.size())),
                                   BMP_INFO, 40), BMP_WIDTH, uint32_t(w)), BMP_HEIGHT, uint32_t(h));
  head = with(with(with(head, 26, 1, 2), BMP_BITS, uint32_t(bits), 2), BMP_COMPRESSION, compression);
  return join({head, before, pixels});
}
// The game's picture `b` (24 bits, or 8 with a table whose rows need no
// padding, as the title is stored) at 24 bits.
Bytes at_24_bits(const Bytes &b) {
  if (b[BMP_BITS] == 24) return b;
  const int w = int(b[BMP_WIDTH] | b[BMP_WIDTH + 1] << 8), h = int(b[BMP_HEIGHT] | b[BMP_HEIGHT + 1] << 8);
  const size_t pixels = b[BMP_OFFSET] | b[BMP_OFFSET + 1] << 8 | b[BMP_OFFSET + 2] << 16;
  Bytes rows;
  for (int i = 0; i < w * h; ++i) {
    const unsigned char *c = &b[54 + 4 * size_t(b[pixels + size_t(i)])];
    rows.insert(rows.end(), {c[0], c[1], c[2]});
  }
  return bmp_of(w, h, 24, 0, {}, rows);
}
// Run-length rows, bottom first, `row_width` pixels each (wider than the
// picture: its last pixel repeated): changing colours as literals, the rest
// as runs, an end mark after each row and after the picture.
Bytes runs_of(const Indexed &p, int bits, int row_width) {
  Bytes out;
  for (int y = p.h - 1; y >= 0; --y) {
    std::vector<int> px;
    for (int x = 0; x < row_width; ++x) px.push_back(p.index[size_t(y * p.w + std::min(x, p.w - 1))]);
    for (size_t x = 0; x < px.size();) {
      size_t n = 0;
      while (x + n < px.size() && n < 252 && (x + n + 1 == px.size() || px[x + n] != px[x + n + 1])) ++n;
      if (n >= 3) {
        out.insert(out.end(), {0, uint8_t(n)});
        for (size_t i = 0; i < n; i += bits == 8 ? 1 : 2)
          out.push_back(uint8_t(bits == 8 ? px[x + i] : px[x + i] << 4 | (i + 1 < n ? px[x + i + 1] : 0)));
        while (out.size() % 2) out.push_back(0);  // literals end on a 16-bit word
        x += n;
        continue;
      }
      for (n = 1; x + n < px.size() && n < 255 && px[x + n] == px[x];) ++n;
      out.insert(out.end(), {uint8_t(n), uint8_t(bits == 8 ? px[x] : px[x] << 4 | px[x])});
      x += n;
    }
    out.insert(out.end(), {0, 0});
  }
  out.insert(out.end(), {0, 1});
  return out;
}
// `b` in bit fields of 16 (5-6-5) or 32 (8-8-8) bits, or other masks.
Bytes bit_fields_of(const Bytes &b, int bits, uint32_t red, uint32_t green, uint32_t blue) {
  const int w = int(b[BMP_WIDTH]), h = int(b[BMP_HEIGHT]);
  Bytes pixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const unsigned char *c = &b[54 + size_t(y * ((w * 3 + 3) & ~3) + x * 3)];
      uint32_t v = bits == 32 ? c[2] << 16 | c[1] << 8 | c[0] : (c[2] >> 3) << 11 | (c[1] >> 2) << 5 | c[0] >> 3;
      for (int i = 0; i < bits / 8; ++i) pixels.push_back(uint8_t(v >> 8 * i));
    }
    while (pixels.size() % 4) pixels.push_back(0);
  }
  return bmp_of(w, h, bits, 3, with(with(with(Bytes(12), 0, red), 4, green), 8, blue), pixels);
}

bool same_pixels(const BITMAP *a, const BITMAP *b) {
  bool equal = a->w == b->w && a->h == b->h;
  for (int y = 0; equal && y < a->h; ++y) equal = memcmp(a->line[y], b->line[y], size_t(a->w) * 2) == 0;
  return equal;
}

// An 8-bit run-length title (what a popular converter writes for a palette
// picture by default) and a 24-bit one, a 4-bit run-length ghost, and ghosts in 5-6-5 and
// 8-8-8 bit fields load pixel for pixel; bit fields the library cannot read,
// and run-length rows wider than the picture, are refused.
TEST_F(BadFiles, RunLengthAndBitFieldPicturesLoadPixelForPixel) {
  const Bytes title = at_24_bits(read_file("intro.bmp")), ghost = read_file("tobin_l.bmp");
  const Indexed t = indexed(title), g = indexed(ghost);
  ASSERT_TRUE(t.table.size() <= 256 * 4 && g.table.size() <= 16 * 4);
  static bool title_same, ghost_same;
  const auto look = [] {
    title_same = same_pixels(assets.title, good_set.title);
    ghost_same = same_pixels(assets.ghost[2][DIR_LEFT], good_set.ghost[2][DIR_LEFT]);
  };
  for (const auto &[name, form] : std::vector<std::pair<const char *, Bytes>>{
           {"intro.bmp", bmp_of(640, 480, 8, 1, t.table, runs_of(t, 8, 640))}, {"intro.bmp", title},
           {"tobin_l.bmp", bmp_of(32, 32, 4, 2, g.table, runs_of(g, 4, 32))},
           {"tobin_l.bmp", bit_fields_of(ghost, 16, 0xf800, 0x07e0, 0x001f)},
           {"tobin_l.bmp", bit_fields_of(ghost, 32, 0xff0000, 0x00ff00, 0x0000ff)}}) {
    write_file(name, form);
    title_same = ghost_same = false;
    EXPECT_EQ("", load(look)) << name;
    EXPECT_TRUE(title_same && ghost_same) << name << " loaded with other pixels";
    write_file(name, read_file(data_path(name)));
  }
  // Rows of 36 pixels in a 32-pixel picture: the library writes them past the picture.
  try_file("tobin_l.bmp", bmp_of(32, 32, 8, 1, g.table, runs_of(g, 8, 36)), "rows too wide", "holds more than");
  const std::string refusal =
      try_file("tobin_l.bmp", bit_fields_of(ghost, 16, 0x0f00, 0x00f0, 0x000f), "4-4-4", "bit fields");
  EXPECT_EQ(refusal.find(" compressed"), std::string::npos) << refusal;
  EXPECT_EQ(refusal.find("compression"), std::string::npos) << refusal;
}

bool same_sound(const SAMPLE *a, const SAMPLE *b) {
  return a->len == b->len && a->bits == b->bits && a->stereo == b->stereo && memcmp(a->data, b->data, a->len * 2) == 0;
}

// Bytes the sound loader reads wrongly are refused: 4 to 7 bytes starting
// with "data" after the sound (read as a second sound of length -1: silent,
// or a request for all memory at 8 bits mono), and the pad byte after an odd
// chunk before the sound (read as the start of the next chunk), named as
// such. What it reads right loads: shorter or other tails, and the pad byte
// after the sound.
TEST_F(BadFiles, BytesTheSoundLoaderMisreadsAreRefusedAndThoseItSkipsLoad) {
  const Bytes good = read_file("eatghost.wav");
  const Bytes riff = slice(good, 0, WAV_FMT), fmt = slice(good, WAV_FMT, WAV_DATA),
              data = slice(good, WAV_DATA, good.size());
  const uint32_t rate = uint32_t(good[WAV_RATE] | good[WAV_RATE + 1] << 8 | good[WAV_RATE + 2] << 16);
  const uint32_t whole = uint32_t(data.size() - 8) / 4 * 4;  // stereo frames of 4 bytes
  const Bytes mono8 = join({riff, with(with(with(fmt, 16, rate), 20, 1, 2), 22, 8, 2), data}),
              stereo16 = join({riff, with(with(with(fmt, 10, 2, 2), 16, rate * 4), 20, 4, 2),
                               with(slice(data, 0, 8 + whole), 4, whole)});
  static const char TAIL[] = "data\1\2\3";
  for (const Bytes &sound : {good, mono8, stereo16})
    for (size_t n = 4; n <= 7; ++n)
      try_file("eatghost.wav", join({sound, Bytes(TAIL, TAIL + n)}), "a " + std::to_string(n) + "-byte \"data\" tail",
               "stray bytes starting with \"data\"");

  const Bytes list = with(join({Bytes{'L', 'I', 'S', 'T'}, Bytes(4), Bytes(19, 'i')}), 4, 19);
  const std::string refusal =
      try_file("eatghost.wav", join({riff, fmt, list, Bytes(1), data}), "odd LIST, padded", "pad byte");
  EXPECT_NE(refusal.find("\"LIST\" chunk of 19 bytes"), std::string::npos) << refusal;
  EXPECT_EQ(refusal.find('?'), std::string::npos) << refusal;
  for (const Bytes &tail :
       {Bytes{'d', 'a', 't'}, Bytes{'L', 'I', 'S', 'T', 1, 2}, Bytes(7), Bytes{'f', 'm', 't', ' ', 16}}) {
    write_file("eatghost.wav", join({good, tail}));
    EXPECT_EQ("", load([] { ASSERT_TRUE(same_sound(assets.eat_ghost, good_set.eat_ghost)); })) << tail.size();
  }
  for (const Bytes &form : {join({riff, fmt, list, data}), join({riff, fmt, data, list, Bytes(1)})}) {
    write_file("eatghost.wav", form);
    EXPECT_EQ("", load([] { ASSERT_TRUE(same_sound(assets.eat_ghost, good_set.eat_ghost)); }));
  }
}

}  // namespace
