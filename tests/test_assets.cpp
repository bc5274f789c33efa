// Every slot from its file, pictures that follow the drawing rules, a loader that names what it cannot use.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"

namespace {

const int MASK16 = 0xf81f;

// Pixels of b in `colour` (-1: any), counting only those in column or row `from` and beyond.
int count_colour(BITMAP *b, int colour, int from = 0) {
  int n = 0;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x) n += (x >= from || y >= from) && (colour < 0 || getpixel(b, x, y) == colour);
  return n;
}

bool same_pixels(BITMAP *a, BITMAP *b) {
  bool same = a->w == b->w && a->h == b->h;
  for (int y = 0; same && y < a->h; ++y)
    for (int x = 0; x < a->w; ++x) same = same && getpixel(a, x, y) == getpixel(b, x, y);
  return same;
}

TEST(Assets, EverySlotHoldsItsFileAndFollowsTheDrawingRules) {
  headless_setup();
  struct Slot { std::string file; BITMAP *picture; int w, h; };  // size drawn at; negative: at most; 0: any
  std::vector<Slot> slots = {{"intro.bmp", assets.title, 640, 480}, {"mazer.bmp", assets.straight_wall, 16, 16},
      {"mazelcorner.bmp", assets.wall_corner, 16, 16}, {"ghostblue.bmp", assets.frightened, -32, -32},
      {"ghostblueflash.bmp", assets.frightened_flash, -32, -32}};
  const char *const PLAYER[6] = {"gobu.bmp", "gobu1.bmp", "gobu2.bmp", "gobu3.bmp", "gobu2.bmp", "gobu1.bmp"};
  const char *const GHOST[4] = {"rusko", "velda", "tobin", "marno"}, *const DIR[4] = {"_u", "_r", "_d", "_l"};
  const int FRUIT[12] = {1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7};  // by level, then fruit8
  for (int f = 0; f < 6; ++f) slots.push_back({PLAYER[f], assets.player[f], 32, 32});
  for (int k = 0; k < GHOSTS * 4; ++k)
    slots.push_back({std::string(GHOST[k / 4]) + DIR[k % 4] + ".bmp", assets.ghost[k / 4][k % 4], -32, -32});
  for (int i = 0; i < LEVELS; ++i)
    slots.push_back({"fruit" + std::to_string(i < 12 ? FRUIT[i] : 8) + ".bmp", assets.fruit[i], 0, 0});
  for (const Slot &s : slots) {
    PALETTE pal;
    BITMAP *fresh = load_bitmap(data_path(s.file).c_str(), pal);
    ASSERT_TRUE(s.picture && fresh && same_pixels(s.picture, fresh)) << s.file;
    destroy_bitmap(fresh);
    int w = s.picture->w, h = s.picture->h, wall = count_colour(s.picture, WALL_COLOUR);
    EXPECT_TRUE(s.w == 0 || (s.w > 0 ? w == s.w && h == s.h : w <= -s.w && h <= -s.h)) << s.file;
    // Wall pieces: wall colour on a transparent ground. What moves: no wall colour, which would stop actors.
    EXPECT_TRUE(s.w == 16 ? wall > 128 && wall + count_colour(s.picture, MASK16) == 256 : s.w == 640 || wall == 0)
        << s.file;
    // Ghosts are drawn at +1,+1: a visible pixel in row or column 31 would hide walls from their own probes.
    EXPECT_TRUE(s.w >= 0 || count_colour(s.picture, -1, 31) == count_colour(s.picture, MASK16, 31)) << s.file;
  }
  EXPECT_FALSE(same_pixels(assets.straight_wall, assets.wall_corner));  // to be told apart on screen
  EXPECT_FALSE(same_pixels(assets.frightened, assets.frightened_flash));
  const std::pair<SAMPLE *, const char *> SOUNDS[] = {{assets.eating, "eating.wav"}, {assets.dies, "dies.wav"},
      {assets.fruit_or_pill, "fruitorpowerpill.wav"}, {assets.intro, "intro.wav"}, {assets.eat_ghost, "eatghost.wav"}};
  for (auto &s : SOUNDS) {
    SAMPLE *fresh = load_sample(data_path(s.second).c_str());
    EXPECT_TRUE(s.first && fresh && s.first->len == fresh->len && !memcmp(s.first->data, fresh->data, fresh->len))
        << s.second;
    destroy_sample(fresh);
  }
}

TEST(Assets, TheLoaderNamesAMissingOrWronglySizedFileAndKeepsWhatWasLoaded) {
  headless_setup();
  const AssetSet saved = assets;
  const auto home = std::filesystem::current_path();
  char dir[] = "/tmp/gobbler-assets-XXXXXX";  // a private copy of data/ to spoil
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::filesystem::copy(data_path(""), dir);
  std::filesystem::current_path(dir);
  // Width 0: the file is missing. A ghost may be smaller (24x24 loads); any other size is refused.
  const struct { const char *name; int w, h; } SPOIL[] = {{"dies.wav", 0, 0}, {"intro.bmp", 0, 0},
      {"marno_l.bmp", 0, 0}, {"fruit8.bmp", 0, 0}, {"velda_r.bmp", 40, 40}, {"ghostblue.bmp", 20, 33},
      {"gobu1.bmp", 32, 31}, {"mazer.bmp", 16, 17}, {"intro.bmp", 320, 240}, {"marno_d.bmp", 24, 24}};
  for (auto &c : SPOIL) {
    std::filesystem::remove(c.name);
    if (BITMAP *b = c.w ? create_bitmap(c.w, c.h) : nullptr) save_bmp(c.name, b, nullptr), destroy_bitmap(b);
    std::string error, why = c.w ? std::to_string(c.w) + "x" + std::to_string(c.h) : "working directory";
    bool ok = c.w == 24;
    EXPECT_EQ(load_assets(&error), ok) << c.name << ": " << error;
    EXPECT_TRUE(ok || memcmp(&assets, &saved, sizeof assets) == 0) << "a failed load changed `assets`";
    EXPECT_TRUE(ok || (error.find(c.name) != std::string::npos && error.find(why) != std::string::npos)) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;  // one line
    assets = saved;
    std::filesystem::copy_file(data_path(c.name), c.name, std::filesystem::copy_options::overwrite_existing);
  }
  std::filesystem::current_path(home);
  std::filesystem::remove_all(dir);
}

}  // namespace
