// Damaged, cut short and lying game files. The loader must refuse each one
// with a single clear line naming the file, or load it, but never crash,
// hang, allocate absurd amounts or read past a buffer (the sanitizer build
// runs these too).
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "headless.h"
#include "render/assets.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

// A small seeded generator (splitmix64), so every run damages the same bytes.
class Dice {
 public:
  explicit Dice(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  size_t below(size_t n) { return size_t(next() % n); }

 private:
  uint64_t state_;
};

Bytes read_file(const std::string &name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string &name, const Bytes &bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

uint32_t get32(const Bytes &b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
void put16(Bytes &b, size_t at, uint32_t v) {
  b[at] = uint8_t(v);
  b[at + 1] = uint8_t(v >> 8);
}
void put32(Bytes &b, size_t at, uint32_t v) {
  put16(b, at, v & 0xffff);
  put16(b, at + 2, v >> 16);
}
Bytes tag(const char *four) { return Bytes(four, four + 4); }
Bytes le32(uint32_t v) {
  Bytes b(4);
  put32(b, 0, v);
  return b;
}
Bytes join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes &p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// BMP field offsets (file header, then the 40-byte info header).
const size_t BMP_SIZE = 2, BMP_OFFSET = 10, BMP_INFO = 14, BMP_WIDTH = 18, BMP_HEIGHT = 22, BMP_PLANES = 26,
             BMP_BITS = 28, BMP_COMPRESSION = 30;
// The game's WAV files: RIFF header, a 16-byte "fmt " chunk, then "data".
const size_t WAV_FMT = 12, WAV_FORMAT = 20, WAV_CHANNELS = 22, WAV_RATE = 24, WAV_BITS = 34, WAV_DATA = 36,
             WAV_DATA_LENGTH = 40, WAV_SAMPLES = 44;

// Frees everything a successful load made, each picture and sound once.
void free_set(const AssetSet &a) {
  for (SAMPLE *s : {a.eating, a.dies, a.fruit_or_pill, a.intro, a.eat_ghost}) destroy_sample(s);
  std::set<BITMAP *> pictures = {a.title, a.straight_wall, a.wall_corner, a.frightened, a.frightened_flash};
  pictures.insert(a.player, a.player + PLAYER_FRAMES);
  for (auto &row : a.ghost) pictures.insert(row, row + 4);
  pictures.insert(a.fruit, a.fruit + LEVELS);
  for (BITMAP *b : pictures) destroy_bitmap(b);
}

bool same_set(const AssetSet &a, const AssetSet &b) { return memcmp(&a, &b, sizeof a) == 0; }

bool same_pixels(BITMAP *a, BITMAP *b) {
  if (a->w != b->w || a->h != b->h) return false;
  for (int y = 0; y < a->h; ++y)
    for (int x = 0; x < a->w; ++x)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}

// Every test works on its own copy of the game's files, in a directory of
// its own that is the working directory while the test runs.
class BadFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    headless_setup();
    good_ = assets;
  }
  void SetUp() override {
    ASSERT_NE(getcwd(home_, sizeof home_), nullptr);
    char pattern[] = "/tmp/gobbler-bad-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    for (const auto &entry : fs::directory_iterator(GOBBLER_DATA_DIR)) fs::copy(entry.path(), dir_);
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }
  void TearDown() override {
    assets = good_;
    ASSERT_EQ(chdir(home_), 0);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  // Loads the whole set from the working directory. Returns "" when it
  // loaded (after `inspect` has looked at the new set, which is then freed
  // and the good one put back), else the error message.
  std::string load(const std::function<void()> &inspect = nullptr) {
    std::string error;
    alarm(30);  // a load that hangs ends the test program
    bool ok = load_assets(&error);
    alarm(0);
    if (!ok) {
      EXPECT_TRUE(same_set(assets, good_)) << "a refused load changed the loaded set";
      EXPECT_FALSE(error.empty());
      return error.empty() ? "(no message)" : error;
    }
    if (inspect) inspect();
    free_set(assets);
    assets = good_;
    return "";
  }

  // Loads the set with `name` holding `bytes`, then puts the good file back.
  std::string load_with(const std::string &name, const Bytes &bytes) {
    write_file(name, bytes);
    std::string error = load();
    write_file(name, read_file(std::string(GOBBLER_DATA_DIR) + "/" + name));
    return error;
  }
  // `name` holds `bytes`: refused, the message naming the file and, when
  // given, containing `reason`.
  void expect_refused(const std::string &name, const Bytes &bytes, const std::string &what,
                      const std::string &reason = "") {
    std::string error = load_with(name, bytes);
    EXPECT_FALSE(error.empty()) << name << ", " << what << ": loaded";
    if (!error.empty()) expect_message(error, name, what, reason);
  }
  static void expect_message(const std::string &error, const std::string &name, const std::string &what,
                             const std::string &reason) {
    SCOPED_TRACE(name + ", " + what + ": " + error);
    EXPECT_EQ(error.find('\n'), std::string::npos);
    // "gobbler: cannot load "x": why", or for a readable picture of the
    // wrong size "gobbler: "x" is WxH pixels; ...".
    bool load_style = error.rfind("gobbler: cannot load \"" + name + "\": ", 0) == 0;
    bool size_style = error.rfind("gobbler: \"" + name + "\" is ", 0) == 0;
    EXPECT_TRUE(load_style || size_style);
    EXPECT_GT(error.size(), name.size() + 30) << "says too little";
    if (!reason.empty()) {
      EXPECT_NE(error.find(reason), std::string::npos) << "expected: " << reason;
    }
  }

  static AssetSet good_;
  char home_[4096];
  std::string dir_;
};

AssetSet BadFiles::good_;

// The two kinds, the first and last sound, the title, both wall pieces, a
// player frame, a ghost and the last fruit (the last file loaded).
const char *const SAMPLED_FILES[] = {"eating.wav", "eatghost.wav",   "intro.bmp", "mazer.bmp", "mazelcorner.bmp",
                                     "gobu2.bmp",  "tobin_l.bmp", "fruit8.bmp"};

TEST_F(BadFiles, UntouchedCopyLoads) {
  std::string error = load([] {
    EXPECT_TRUE(same_pixels(assets.title, good_.title));
    EXPECT_TRUE(same_pixels(assets.fruit[127], good_.fruit[127]));
    EXPECT_EQ(assets.intro->len, good_.intro->len);
  });
  EXPECT_EQ(error, "");
}

TEST_F(BadFiles, EmptyAndCutShortFilesAreRefused) {
  for (const char *name : SAMPLED_FILES) {
    Bytes whole = read_file(name);
    ASSERT_GT(whole.size(), 100u) << name;
    expect_refused(name, {}, "empty", "empty");
    std::vector<size_t> lengths;
    for (size_t n = 1; n <= 64; ++n) lengths.push_back(n);
    for (int k = 1; k < 14; ++k) lengths.push_back(whole.size() * k / 14);
    lengths.push_back(whole.size() - 1);
    for (size_t n : lengths)
      expect_refused(name, Bytes(whole.begin(), whole.begin() + n), "cut to " + std::to_string(n) + " bytes");
  }
}

TEST_F(BadFiles, FlippedBytesLoadOrAreRefused) {
  Dice dice(20240611);
  for (const char *name : SAMPLED_FILES) {
    Bytes whole = read_file(name);
    int refused = 0;
    for (int variant = 0; variant < 48; ++variant) {
      Bytes bytes = whole;
      std::string what = "flipped at";
      int flips = 1 + int(dice.below(4));
      for (int i = 0; i < flips; ++i) {
        // Mostly in the headers, where a flip matters most.
        size_t at = dice.below(variant % 4 == 3 ? bytes.size() : 64);
        bytes[at] ^= uint8_t(1 + dice.below(255));
        what += " " + std::to_string(at);
      }
      std::string error = load_with(name, bytes);
      if (!error.empty()) {
        ++refused;
        expect_message(error, name, what, "");
      }
    }
    // Header damage is caught, not loaded as something else.
    EXPECT_GT(refused, 12) << name;
  }
}

TEST_F(BadFiles, DirectoryInPlaceOfAFileIsRefused) {
  for (const char *name : SAMPLED_FILES) {
    ASSERT_TRUE(fs::remove(name));
    ASSERT_TRUE(fs::create_directory(name));
    EXPECT_EQ(load(), std::string("gobbler: cannot load \"") + name + "\": it is a directory, not a file");
    fs::remove(name);
    fs::copy(fs::path(GOBBLER_DATA_DIR) / name, name);
  }
  EXPECT_EQ(load(), "");
}

TEST_F(BadFiles, LyingPictureHeadersAreRefused) {
  for (const char *name : {"gobu2.bmp", "intro.bmp", "mazer.bmp"}) {
    const Bytes good = read_file(name);
    auto with32 = [&](size_t at, uint32_t v) {
      Bytes b = good;
      put32(b, at, v);
      return b;
    };
    auto with16 = [&](size_t at, uint32_t v) {
      Bytes b = good;
      put16(b, at, v);
      return b;
    };
    for (uint32_t w : {0u, 0xffffffffu, uint32_t(-640), 4097u, 65536u, 100000u, 0x7fffffffu, 0x80000000u})
      expect_refused(name, with32(BMP_WIDTH, w), "width " + std::to_string(int32_t(w)), "out of range");
    for (uint32_t h : {0u, 4097u, 65536u, 100000u, 0x7fffffffu})
      expect_refused(name, with32(BMP_HEIGHT, h), "height " + std::to_string(h), "out of range");
    for (uint32_t h : {0xffffffffu, uint32_t(-32), uint32_t(-480), 0x80000000u})
      expect_refused(name, with32(BMP_HEIGHT, h), "height " + std::to_string(int32_t(h)), "top-down");
    for (uint32_t side : {50000u, 65536u, 46341u}) {
      Bytes b = with32(BMP_WIDTH, side);
      put32(b, BMP_HEIGHT, side);
      expect_refused(name, b, "size " + std::to_string(side) + " squared", "out of range");
    }
    for (uint32_t bits : {0u, 2u, 3u, 7u, 15u, 33u, 64u, 0xffffu})
      expect_refused(name, with16(BMP_BITS, bits), std::to_string(bits) + " bits", "bits per pixel");
    for (uint32_t planes : {0u, 2u, 0xffffu})
      expect_refused(name, with16(BMP_PLANES, planes), std::to_string(planes) + " planes", "planes");
    for (uint32_t compression : {1u, 2u, 3u, 4u, 5u, 0xffffffffu})
      expect_refused(name, with32(BMP_COMPRESSION, compression), "compression " + std::to_string(compression),
                     "compressed");
    // Run-length data that is really plain pixels: the library's decoder
    // writes past the picture on such runs.
    for (uint32_t bits : {8u, 4u}) {
      Bytes b = with16(BMP_BITS, bits);
      put32(b, BMP_COMPRESSION, bits == 8 ? 1 : 2);
      expect_refused(name, b, "run-length " + std::to_string(bits), "compressed");
    }
    for (uint32_t info : {0u, 16u, 39u, 41u, 64u, 108u, 124u, 0xffffffffu})
      expect_refused(name, with32(BMP_INFO, info), "info header " + std::to_string(info), "header");
    for (uint32_t offset : {0u, 1u, 53u, uint32_t(good.size()), 100000000u, 0x7fffffffu, 0xffffffffu})
      expect_refused(name, with32(BMP_OFFSET, offset), "pixel offset " + std::to_string(offset));
    for (uint32_t size : {uint32_t(good.size() + 1), 0x7fffffffu, 0xffffffffu})
      expect_refused(name, with32(BMP_SIZE, size), "file size " + std::to_string(size), "cut short");
    Bytes b = good;
    b[0] = 'M', b[1] = 'B';
    expect_refused(name, b, "mark MB", "\"BM\"");
    b = good;
    b.insert(b.begin(), {'R', 'I', 'F', 'F'});
    expect_refused(name, b, "a sound's mark", "\"BM\"");
  }
}

// Rows of 32-bit pixels, bottom-up, from the game's 24-bit ones.
Bytes as_32_bit(const Bytes &b24) {
  int32_t w = int32_t(get32(b24, BMP_WIDTH)), h = int32_t(get32(b24, BMP_HEIGHT));
  size_t row24 = (size_t(w) * 3 + 3) & ~size_t(3);
  Bytes b(b24.begin(), b24.begin() + 54);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const unsigned char *p = &b24[get32(b24, BMP_OFFSET) + y * row24 + x * 3];
      b.insert(b.end(), {p[0], p[1], p[2], 0});
    }
  put16(b, BMP_BITS, 32);
  put32(b, BMP_SIZE, uint32_t(b.size()));
  put32(b, 34, uint32_t(b.size() - 54));
  return b;
}

// The old 12-byte header: 16-bit width and height, no compression field.
Bytes with_short_header(const Bytes &b24) {
  Bytes b = join({Bytes(b24.begin(), b24.begin() + 14), le32(12), Bytes(4), Bytes(4)});
  put16(b, 18, get32(b24, BMP_WIDTH));
  put16(b, 20, get32(b24, BMP_HEIGHT));
  put16(b, 22, 1);
  put16(b, 24, 24);
  b.insert(b.end(), b24.begin() + get32(b24, BMP_OFFSET), b24.end());
  put32(b, BMP_OFFSET, 26);
  put32(b, BMP_SIZE, uint32_t(b.size()));
  return b;
}

TEST_F(BadFiles, OtherHonestPictureFormsStillLoad) {
  const Bytes ghost = read_file("tobin_l.bmp");
  const Bytes wall = read_file("mazelcorner.bmp");
  auto expect_same = [&](const Bytes &ghost_file, const Bytes &wall_file, const std::string &what) {
    write_file("tobin_l.bmp", ghost_file);
    write_file("mazelcorner.bmp", wall_file);
    EXPECT_EQ(load([&] {
                EXPECT_TRUE(same_pixels(assets.ghost[2][DIR_LEFT], good_.ghost[2][DIR_LEFT])) << what;
                EXPECT_TRUE(same_pixels(assets.wall_corner, good_.wall_corner)) << what;
              }),
              "")
        << what;
  };
  expect_same(as_32_bit(ghost), as_32_bit(wall), "32 bits per pixel");
  expect_same(with_short_header(ghost), with_short_header(wall), "12-byte header");
  // Bytes after the last row, and a file size field left at 0.
  Bytes longer = ghost, zero_size = wall;
  longer.insert(longer.end(), 100, 0xab);
  put32(zero_size, BMP_SIZE, 0);
  expect_same(longer, zero_size, "trailing bytes, no file size");
}

TEST_F(BadFiles, LyingSoundHeadersAreRefused) {
  for (const char *name : {"eating.wav", "eatghost.wav"}) {
    const Bytes good = read_file(name);
    ASSERT_EQ(Bytes(good.begin() + WAV_DATA, good.begin() + WAV_DATA + 4), tag("data")) << name;
    const uint32_t length = get32(good, WAV_DATA_LENGTH);
    ASSERT_EQ(length, good.size() - WAV_SAMPLES);
    auto with32 = [&](size_t at, uint32_t v) {
      Bytes b = good;
      put32(b, at, v);
      return b;
    };
    auto with16 = [&](size_t at, uint32_t v) {
      Bytes b = good;
      put16(b, at, v);
      return b;
    };
    for (uint32_t n : {length + 2, length * 2, 100000000u, 0x7fffffffu, 0x80000000u, 0xfffffffeu, 0xffffffffu})
      expect_refused(name, with32(WAV_DATA_LENGTH, n), "data length " + std::to_string(n), "past the end");
    expect_refused(name, with32(WAV_DATA_LENGTH, 0), "data length 0", "no sound");
    expect_refused(name, with32(WAV_DATA_LENGTH, 1), "data length 1", "whole number");
    for (uint32_t channels : {0u, 3u, 6u, 0xffffu})
      expect_refused(name, with16(WAV_CHANNELS, channels), std::to_string(channels) + " channels", "channels");
    for (uint32_t bits : {0u, 1u, 7u, 12u, 24u, 32u, 0xffffu})
      expect_refused(name, with16(WAV_BITS, bits), std::to_string(bits) + " bits", "bits per sample");
    for (uint32_t rate : {0u, 1u, 999u, 192001u, 0x7fffffffu, 0xffffffffu})
      expect_refused(name, with32(WAV_RATE, rate), "rate " + std::to_string(rate), "sample rate");
    for (uint32_t format : {0u, 2u, 3u, 0xfffeu})
      expect_refused(name, with16(WAV_FORMAT, format), "format " + std::to_string(format), "PCM");
    for (uint32_t n : {0u, 2u, 15u})
      expect_refused(name, with32(WAV_FMT + 4, n), "fmt length " + std::to_string(n), "cut short");
    for (uint32_t n : {0x7fffffffu, 0xfffffff0u})
      expect_refused(name, with32(WAV_FMT + 4, n), "fmt length " + std::to_string(n), "past the end");

    const Bytes riff(good.begin(), good.begin() + WAV_FMT);
    const Bytes fmt(good.begin() + WAV_FMT, good.begin() + WAV_DATA);
    const Bytes data(good.begin() + WAV_DATA, good.end());
    expect_refused(name, join({riff, data}), "no fmt chunk", "before the \"fmt \" chunk");
    expect_refused(name, join({riff, fmt}), "no data chunk", "no \"data\" chunk");
    expect_refused(name, riff, "no chunks", "no \"fmt \" chunk");
    expect_refused(name, join({riff, data, fmt}), "data before fmt", "before the \"fmt \" chunk");
    expect_refused(name, join({riff, fmt, data, data}), "two data chunks", "more than one");
    expect_refused(name, join({riff, fmt, data, tag("LIST"), le32(0x7fffffff), tag("INFO")}), "lying last chunk",
                   "past the end");
    expect_refused(name, join({riff, fmt, tag("LIST"), le32(0xfffffff0u), data}), "lying middle chunk",
                   "past the end");
    Bytes b = good;
    b[3] = 'X';
    expect_refused(name, b, "RIFX", "RIFF");
    b = good;
    b[11] = 'X';
    expect_refused(name, b, "WAVX", "RIFF");
    expect_refused(name, read_file("mazer.bmp"), "a picture", "RIFF");
  }
}

TEST_F(BadFiles, OtherHonestSoundFormsStillLoad) {
  const Bytes good = read_file("dies.wav");
  const Bytes riff(good.begin(), good.begin() + WAV_FMT);
  const Bytes fmt(good.begin() + WAV_FMT, good.begin() + WAV_DATA);
  const Bytes data(good.begin() + WAV_DATA, good.end());
  // An 18-byte "fmt " chunk (with its extension size), a chunk the loader
  // skips before the data, and a short chunk after it.
  Bytes long_fmt = join({fmt, Bytes(2)});
  put32(long_fmt, 4, 18);
  const Bytes list = join({tag("LIST"), le32(6), tag("INFO"), Bytes(2)});
  const Bytes forms[] = {join({riff, long_fmt, data}), join({riff, fmt, list, data}), join({riff, fmt, data, list})};
  for (const Bytes &form : forms) {
    write_file("dies.wav", form);
    EXPECT_EQ(load([] {
                EXPECT_EQ(assets.dies->len, good_.dies->len);
                EXPECT_EQ(assets.dies->bits, 16);
                EXPECT_EQ(assets.dies->freq, good_.dies->freq);
                EXPECT_EQ(memcmp(assets.dies->data, good_.dies->data, assets.dies->len * 2), 0);
              }),
              "");
  }
}

}  // namespace
