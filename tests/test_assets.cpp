// The loaded pictures and sounds: every slot from its file, pictures that
// follow the drawing rules, and a loader that names what it cannot use.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"

namespace fs = std::filesystem;

namespace {

const int MASK16 = 0xf81f;

int count_colour(BITMAP *b, int colour) {
  int n = 0;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x) n += getpixel(b, x, y) == colour;
  return n;
}

bool same_pixels(BITMAP *a, BITMAP *b) {
  if (!a || !b || a->w != b->w || a->h != b->h) return false;
  for (int y = 0; y < a->h; ++y)
    for (int x = 0; x < a->w; ++x)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}

struct Slot {
  std::string file;
  BITMAP *picture;
  int w, h;  // the size the game draws it at; negative: at most that; 0: any
};

// Every picture slot with its file: player frames 0 1 2 3 2 1, fruit by level.
std::vector<Slot> slots() {
  const char *const PLAYER[6] = {"gobu.bmp", "gobu1.bmp", "gobu2.bmp", "gobu3.bmp", "gobu2.bmp", "gobu1.bmp"};
  const char *const GHOST[4] = {"rusko", "velda", "tobin", "marno"}, *const DIR[4] = {"_u", "_r", "_d", "_l"};
  const int FRUIT[12] = {1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7};
  std::vector<Slot> all = {{"intro.bmp", assets.title, 640, 480},
                           {"mazer.bmp", assets.straight_wall, 16, 16},
                           {"mazelcorner.bmp", assets.wall_corner, 16, 16},
                           {"ghostblue.bmp", assets.frightened, -32, -32},
                           {"ghostblueflash.bmp", assets.frightened_flash, -32, -32}};
  for (int f = 0; f < 6; ++f) all.push_back({PLAYER[f], assets.player[f], 32, 32});
  for (int k = 0; k < GHOSTS; ++k)
    for (int d = 0; d < 4; ++d) all.push_back({std::string(GHOST[k]) + DIR[d] + ".bmp", assets.ghost[k][d], -32, -32});
  for (int level = 0; level < LEVELS; ++level)
    all.push_back({"fruit" + std::to_string(level < 12 ? FRUIT[level] : 8) + ".bmp", assets.fruit[level], 0, 0});
  return all;
}

TEST(Assets, EverySlotHoldsItsFileAndFollowsTheDrawingRules) {
  headless_setup();
  for (const Slot &s : slots()) {
    PALETTE pal;
    BITMAP *fresh = load_bitmap(data_path(s.file).c_str(), pal);
    ASSERT_TRUE(s.picture && fresh) << s.file;
    EXPECT_TRUE(same_pixels(s.picture, fresh)) << s.file;
    destroy_bitmap(fresh);
    int w = s.picture->w, h = s.picture->h, transparent = count_colour(s.picture, MASK16);
    EXPECT_TRUE(s.w == 0 || (s.w > 0 ? w == s.w && h == s.h : w <= -s.w && h <= -s.h)) << s.file;
    EXPECT_EQ(bitmap_color_depth(s.picture), 16) << s.file;
    if (s.w == 640 || s.w == 16) continue;  // the rest is for what moves
    EXPECT_EQ(bitmap_mask_color(s.picture), MASK16) << s.file;
    EXPECT_GT(transparent, 0) << s.file;                           // the maze shows through
    EXPECT_GT(w * h - transparent, w * h / 10) << s.file;          // and something is visible
    EXPECT_EQ(count_colour(s.picture, WALL_COLOUR), 0) << s.file;  // would stop actors like a wall
    int outside = 0;  // ghosts are drawn at +1,+1: row or column 31 would lie on their probe strips
    for (int y = 0; s.w < 0 && y < h; ++y)
      for (int x = 0; x < w; ++x) outside += (x > 30 || y > 30) && getpixel(s.picture, x, y) != MASK16;
    EXPECT_EQ(outside, 0) << s.file;
  }
  for (BITMAP *p : {assets.straight_wall, assets.wall_corner}) {
    EXPECT_EQ(count_colour(p, WALL_COLOUR) + count_colour(p, MASK16), 256);
    EXPECT_GT(count_colour(p, WALL_COLOUR), 128);
  }
  EXPECT_FALSE(same_pixels(assets.straight_wall, assets.wall_corner));  // to be told apart on screen
  EXPECT_FALSE(same_pixels(assets.frightened, assets.frightened_flash));
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) EXPECT_FALSE(same_pixels(assets.player[a], assets.player[b])) << a << b;
  const std::pair<SAMPLE *, const char *> SOUNDS[] = {{assets.eating, "eating.wav"}, {assets.dies, "dies.wav"},
      {assets.fruit_or_pill, "fruitorpowerpill.wav"}, {assets.intro, "intro.wav"}, {assets.eat_ghost, "eatghost.wav"}};
  for (auto &s : SOUNDS) {
    SAMPLE *fresh = load_sample(data_path(s.second).c_str());
    ASSERT_TRUE(s.first && fresh) << s.second;
    EXPECT_TRUE(s.first->len == fresh->len && memcmp(s.first->data, fresh->data, fresh->len) == 0) << s.second;
    destroy_sample(fresh);
  }
}

bool mentions(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

TEST(Assets, TheLoaderNamesAMissingOrWronglySizedFileAndKeepsWhatWasLoaded) {
  headless_setup();
  const AssetSet saved = assets;
  const fs::path home = fs::current_path();
  char dir[] = "/tmp/gobbler-assets-XXXXXX";  // a private copy of data/ to spoil
  ASSERT_NE(mkdtemp(dir), nullptr);
  fs::copy(data_path(""), dir);
  fs::current_path(dir);
  // A refusal is one line and leaves the loaded set alone.
  auto load = [&saved](bool should_load) {
    std::string error;
    EXPECT_EQ(load_assets(&error), should_load) << error;
    EXPECT_TRUE(should_load || memcmp(&assets, &saved, sizeof assets) == 0) << "a failed load changed `assets`";
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    assets = saved;
    return error;
  };
  for (const char *name : {"dies.wav", "intro.bmp", "gobu3.bmp", "marno_l.bmp", "ghostblueflash.bmp", "fruit8.bmp"}) {
    fs::remove(name);
    std::string error = load(false);
    EXPECT_TRUE(mentions(error, name) && mentions(error, "working directory")) << error;
    fs::copy_file(data_path(name), name);
  }
  const struct { const char *name; int w, h; } SIZES[] = {
      {"velda_r.bmp", 40, 40}, {"ghostblue.bmp", 20, 33}, {"gobu1.bmp", 32, 31},
      {"mazer.bmp", 16, 17},   {"intro.bmp", 320, 240},   {"marno_d.bmp", 24, 24}};
  for (auto &c : SIZES) {
    BITMAP *b = create_bitmap(c.w, c.h);
    clear_to_color(b, MASK16);
    EXPECT_EQ(save_bmp(c.name, b, nullptr), 0);
    destroy_bitmap(b);
    bool smaller_ghost = c.w == 24;  // ghosts may be smaller
    std::string error = load(smaller_ghost), size = std::to_string(c.w) + "x" + std::to_string(c.h);
    EXPECT_TRUE(smaller_ghost || (mentions(error, c.name) && mentions(error, size))) << error;
    fs::copy_file(data_path(c.name), c.name, fs::copy_options::overwrite_existing);
  }
  load(true);
  fs::current_path(home);
  fs::remove_all(dir);
}

}  // namespace
