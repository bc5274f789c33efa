// The loaded pictures and sounds: every slot from the right file, pictures
// that follow the game's drawing rules, and a loader that refuses missing,
// unreadable or wrongly sized files with a message that says which.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"

namespace {

const int MASK16 = 0xf81f;

const char *const PLAYER_FILE[6] = {"gobu.bmp", "gobu1.bmp", "gobu2.bmp", "gobu3.bmp", "gobu2.bmp", "gobu1.bmp"};
const char *const GHOST_NAME[4] = {"rusko", "velda", "tobin", "marno"};
const char *const SUFFIX[4] = {"_u", "_r", "_d", "_l"};

std::string ghost_file(int k, int d) { return std::string(GHOST_NAME[k]) + SUFFIX[d] + ".bmp"; }

std::string fruit_file(int level) {
  static const int NUMBER[12] = {1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7};
  return "fruit" + std::to_string(level < 12 ? NUMBER[level] : 8) + ".bmp";
}

struct Loaded {
  BITMAP *b;
  explicit Loaded(const std::string &name) {
    PALETTE pal;
    b = load_bitmap(data_path(name).c_str(), pal);
  }
  ~Loaded() {
    if (b) destroy_bitmap(b);
  }
  Loaded(const Loaded &) = delete;
  Loaded &operator=(const Loaded &) = delete;
};

// "" when both pictures have the same size and pixels.
std::string picture_difference(BITMAP *a, BITMAP *b) {
  if (!a || !b) return "missing picture";
  if (a->w != b->w || a->h != b->h)
    return "size " + std::to_string(a->w) + "x" + std::to_string(a->h) + " against " + std::to_string(b->w) + "x" +
           std::to_string(b->h);
  int n = 0;
  for (int y = 0; y < a->h; ++y)
    for (int x = 0; x < a->w; ++x) n += getpixel(a, x, y) != getpixel(b, x, y);
  return n ? std::to_string(n) + " pixels differ" : std::string();
}

bool same_picture_as_file(BITMAP *slot, const std::string &file, std::string *why) {
  Loaded fresh(file);
  if (!fresh.b) {
    *why = "cannot load " + file;
    return false;
  }
  *why = picture_difference(slot, fresh.b);
  return why->empty();
}

int count_colour(BITMAP *b, int colour) {
  int n = 0;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x) n += getpixel(b, x, y) == colour;
  return n;
}

struct Named {
  std::string name;
  BITMAP *picture;
};

// Every masked picture the game draws into the picture the wall tests read.
std::vector<Named> sprites() {
  std::vector<Named> all;
  for (int f = 0; f < 4; ++f) all.push_back({PLAYER_FILE[f], assets.player[f]});
  for (int k = 0; k < GHOSTS; ++k)
    for (int d = 0; d < 4; ++d) all.push_back({ghost_file(k, d), assets.ghost[k][d]});
  all.push_back({"ghostblue.bmp", assets.frightened});
  all.push_back({"ghostblueflash.bmp", assets.frightened_flash});
  for (int level = 0; level <= 12; ++level) all.push_back({fruit_file(level), assets.fruit[level]});
  return all;
}

std::vector<Named> ghost_pictures() {
  std::vector<Named> all;
  for (int k = 0; k < GHOSTS; ++k)
    for (int d = 0; d < 4; ++d) all.push_back({ghost_file(k, d), assets.ghost[k][d]});
  all.push_back({"ghostblue.bmp", assets.frightened});
  all.push_back({"ghostblueflash.bmp", assets.frightened_flash});
  return all;
}

// ---------------------------------------------------------------- the set

TEST(Assets, EverySlotIsASixteenBitPicture) {
  headless_setup();
  std::vector<BITMAP *> all = {assets.title, assets.straight_wall, assets.wall_corner, assets.frightened,
                               assets.frightened_flash};
  for (BITMAP *p : assets.player) all.push_back(p);
  for (auto &row : assets.ghost)
    for (BITMAP *p : row) all.push_back(p);
  for (BITMAP *p : assets.fruit) all.push_back(p);
  ASSERT_EQ(all.size(), 5u + 6 + 16 + 128);
  for (size_t i = 0; i < all.size(); ++i) {
    ASSERT_NE(all[i], nullptr) << "picture " << i;
    EXPECT_EQ(bitmap_color_depth(all[i]), 16) << "picture " << i;
  }
  for (SAMPLE *s : {assets.eating, assets.dies, assets.fruit_or_pill, assets.intro, assets.eat_ghost})
    EXPECT_NE(s, nullptr);
}

TEST(Assets, EachPictureSlotHoldsItsFile) {
  headless_setup();
  std::string why;
  EXPECT_TRUE(same_picture_as_file(assets.title, "intro.bmp", &why)) << why;
  EXPECT_TRUE(same_picture_as_file(assets.straight_wall, "mazer.bmp", &why)) << why;
  EXPECT_TRUE(same_picture_as_file(assets.wall_corner, "mazelcorner.bmp", &why)) << why;
  for (int f = 0; f < 6; ++f)
    EXPECT_TRUE(same_picture_as_file(assets.player[f], PLAYER_FILE[f], &why)) << "player slot " << f << ": " << why;
  for (int k = 0; k < GHOSTS; ++k)
    for (int d = 0; d < 4; ++d)
      EXPECT_TRUE(same_picture_as_file(assets.ghost[k][d], ghost_file(k, d), &why))
          << "ghost " << k << " direction " << d << ": " << why;
  EXPECT_TRUE(same_picture_as_file(assets.frightened, "ghostblue.bmp", &why)) << why;
  EXPECT_TRUE(same_picture_as_file(assets.frightened_flash, "ghostblueflash.bmp", &why)) << why;
  for (int level = 0; level < LEVELS; ++level)
    EXPECT_TRUE(same_picture_as_file(assets.fruit[level], fruit_file(level), &why))
        << "fruit slot " << level << ": " << why;
}

TEST(Assets, EachSoundSlotHoldsItsFile) {
  headless_setup();
  struct {
    SAMPLE *slot;
    const char *file;
  } sounds[] = {{assets.eating, "eating.wav"},
                {assets.dies, "dies.wav"},
                {assets.fruit_or_pill, "fruitorpowerpill.wav"},
                {assets.intro, "intro.wav"},
                {assets.eat_ghost, "eatghost.wav"}};
  for (auto &s : sounds) {
    SCOPED_TRACE(s.file);
    ASSERT_NE(s.slot, nullptr);
    SAMPLE *fresh = load_sample(data_path(s.file).c_str());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(s.slot->bits, fresh->bits);
    EXPECT_EQ(s.slot->stereo, fresh->stereo);
    EXPECT_EQ(s.slot->freq, fresh->freq);
    ASSERT_EQ(s.slot->len, fresh->len);
    EXPECT_GT(fresh->len, 0u);
    size_t bytes = fresh->len * (fresh->bits / 8) * (fresh->stereo ? 2 : 1);
    EXPECT_EQ(memcmp(s.slot->data, fresh->data, bytes), 0);
    destroy_sample(fresh);
  }
}

// ---------------------------------------------------------------- picture rules

TEST(Assets, PicturesHaveTheSizesTheGameDrawsThemAt) {
  headless_setup();
  EXPECT_EQ(assets.title->w, 640);
  EXPECT_EQ(assets.title->h, 480);
  for (BITMAP *p : {assets.straight_wall, assets.wall_corner}) {
    EXPECT_EQ(p->w, 16);
    EXPECT_EQ(p->h, 16);
  }
  for (int f = 0; f < 6; ++f) {
    EXPECT_EQ(assets.player[f]->w, 32) << "player slot " << f;
    EXPECT_EQ(assets.player[f]->h, 32) << "player slot " << f;
  }
  for (const Named &g : ghost_pictures()) {
    EXPECT_LE(g.picture->w, 32) << g.name;
    EXPECT_LE(g.picture->h, 32) << g.name;
  }
}

TEST(Assets, GhostsStayInsideTheirCellWhenDrawnOnePixelIn) {
  // Drawn at +1,+1, a visible pixel in column or row 31 would lie on the
  // ghost's own right or bottom probe strip.
  headless_setup();
  for (const Named &g : ghost_pictures()) {
    int outside = 0;
    for (int y = 0; y < g.picture->h; ++y)
      for (int x = 0; x < g.picture->w; ++x)
        if ((x > 30 || y > 30) && getpixel(g.picture, x, y) != MASK16) ++outside;
    EXPECT_EQ(outside, 0) << g.name;
  }
}

TEST(Assets, SpritesAreMaskedAndFreeOfWallColour) {
  headless_setup();
  ASSERT_EQ(makecol(255, 0, 255), MASK16);
  ASSERT_EQ(makecol(255, 255, 0), WALL_COLOUR);
  for (const Named &s : sprites()) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(bitmap_mask_color(s.picture), MASK16);
    int w = s.picture->w, h = s.picture->h;
    int transparent = count_colour(s.picture, MASK16);
    EXPECT_GT(transparent, 0);                   // some background shows through
    EXPECT_GT(w * h - transparent, w * h / 10);  // and something is visible
    EXPECT_EQ(count_colour(s.picture, WALL_COLOUR), 0);  // would stop actors like a wall
  }
}

TEST(Assets, WallPiecesHoldOnlyWallColourAndMask) {
  headless_setup();
  for (BITMAP *p : {assets.straight_wall, assets.wall_corner}) {
    int wall = count_colour(p, WALL_COLOUR);
    int mask = count_colour(p, MASK16);
    EXPECT_EQ(wall + mask, p->w * p->h);
    EXPECT_GT(wall, p->w * p->h / 2);
  }
  // Two different pieces: a bar end and an outline corner.
  EXPECT_NE(picture_difference(assets.straight_wall, assets.wall_corner), "");
}

TEST(Assets, AnimationAndFlashPicturesDiffer) {
  headless_setup();
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b)
      EXPECT_NE(picture_difference(assets.player[a], assets.player[b]), "") << "player frames " << a << " and " << b;
  EXPECT_NE(picture_difference(assets.frightened, assets.frightened_flash), "");
}

// ---------------------------------------------------------------- loader failures

// Copies rather than links, so that the copy can be read by any user.
bool copy_file(const std::string &from, const std::string &to) {
  FILE *in = fopen(from.c_str(), "rb");
  if (!in) return false;
  FILE *out = fopen(to.c_str(), "wb");
  if (!out) {
    fclose(in);
    return false;
  }
  char block[65536];
  size_t n;
  bool ok = true;
  while ((n = fread(block, 1, sizeof block, in)) > 0) ok = ok && fwrite(block, 1, n, out) == n;
  fclose(in);
  ok = fclose(out) == 0 && ok;
  return ok && chmod(to.c_str(), 0644) == 0;
}

// Runs the loader in a private copy of data/ that a test may spoil.
class LoaderFailure : public ::testing::Test {
 protected:
  std::string dir_;
  std::string home_;
  AssetSet saved_;

  void SetUp() override {
    headless_setup();
    saved_ = assets;
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    home_ = here;
    char pattern[] = "/tmp/gobbler-assets-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    DIR *data = opendir(data_path("").c_str());
    ASSERT_NE(data, nullptr);
    while (dirent *e = readdir(data)) {
      std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      ASSERT_TRUE(copy_file(data_path(name), dir_ + "/" + name)) << name;
    }
    closedir(data);
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }

  void TearDown() override {
    EXPECT_EQ(chdir(home_.c_str()), 0);
    if (DIR *d = opendir(dir_.c_str())) {
      while (dirent *e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        std::string path = dir_ + "/" + name;
        if (rmdir(path.c_str()) != 0) unlink(path.c_str());
      }
      closedir(d);
    }
    rmdir(dir_.c_str());
    assets = saved_;
  }

  // Puts a file of the given bytes in place of `name`.
  void replace_with_bytes(const char *name, const std::string &bytes) {
    unlink(name);
    FILE *f = fopen(name, "wb");
    ASSERT_NE(f, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
  }

  void replace_with_picture(const char *name, int w, int h) {
    unlink(name);
    BITMAP *b = create_bitmap(w, h);
    clear_to_color(b, makecol(255, 0, 255));
    rectfill(b, 2, 2, w / 2, h / 2, makecol(0, 0, 255));
    ASSERT_EQ(save_bmp(name, b, nullptr), 0);
    destroy_bitmap(b);
  }

  void restore(const char *name) {
    unlink(name);
    rmdir(name);
    ASSERT_TRUE(copy_file(data_path(name), name)) << name;
  }

  // Runs the loader expecting a refusal that leaves the loaded set alone.
  std::string refusal() {
    std::string error;
    bool ok = load_assets(&error);
    EXPECT_FALSE(ok);
    EXPECT_EQ(memcmp(&assets, &saved_, sizeof assets), 0) << "a failed load changed the loaded pictures";
    assets = saved_;
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos) << "one line: " << error;
    return error;
  }

  bool loads() {
    std::string error;
    bool ok = load_assets(&error);
    assets = saved_;
    return ok;
  }
};

bool mentions(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

TEST_F(LoaderFailure, ACompleteCopyLoads) {
  std::string error;
  EXPECT_TRUE(load_assets(&error)) << error;
  // The new set came from the copy: same pictures as before.
  EXPECT_EQ(picture_difference(assets.ghost[3][2], saved_.ghost[3][2]), "");
  EXPECT_EQ(picture_difference(assets.fruit[127], saved_.fruit[127]), "");
}

TEST_F(LoaderFailure, AMissingFileIsNamedWithWhereFilesAreLookedFor) {
  for (const char *name : {"eating.wav", "dies.wav", "eatghost.wav", "intro.bmp", "mazelcorner.bmp", "gobu3.bmp",
                           "velda_u.bmp", "marno_l.bmp", "ghostblueflash.bmp", "fruit1.bmp", "fruit5.bmp",
                           "fruit8.bmp"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(unlink(name), 0);
    std::string error = refusal();
    EXPECT_TRUE(mentions(error, name)) << error;
    EXPECT_TRUE(mentions(error, "working directory")) << error;
    restore(name);
  }
  EXPECT_TRUE(loads());
}

TEST_F(LoaderFailure, AnUnreadableFileIsNamedWithWhereFilesAreLookedFor) {
  const char *name = "tobin_r.bmp";
  replace_with_picture(name, 30, 30);
  ASSERT_EQ(chmod(name, 0), 0);
  // File permissions do not bind the superuser: load as an ordinary user.
  bool as_root = geteuid() == 0;
  if (as_root) {
    ASSERT_EQ(chmod(dir_.c_str(), 0755), 0);
    ASSERT_EQ(seteuid(65534), 0);
  }
  std::string error;
  bool ok = load_assets(&error);
  if (as_root) {
    ASSERT_EQ(seteuid(0), 0);
  }
  EXPECT_FALSE(ok);
  if (ok) assets = saved_;
  EXPECT_TRUE(mentions(error, name)) << error;
  EXPECT_TRUE(mentions(error, "working directory")) << error;
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
}

TEST_F(LoaderFailure, ADirectoryInPlaceOfAFileIsRefused) {
  for (const char *name : {"fruitorpowerpill.wav", "mazer.bmp"}) {
    SCOPED_TRACE(name);
    unlink(name);
    ASSERT_EQ(mkdir(name, 0700), 0);
    EXPECT_TRUE(mentions(refusal(), name));
    restore(name);
  }
}

TEST_F(LoaderFailure, APictureOfTheWrongSizeIsNamedWithItsSize) {
  struct Case {
    const char *name;
    int w, h;
  } cases[] = {{"velda_r.bmp", 40, 40},     {"ghostblue.bmp", 33, 20}, {"ghostblueflash.bmp", 20, 33},
               {"gobu1.bmp", 32, 31},       {"gobu.bmp", 31, 32},      {"mazer.bmp", 16, 17},
               {"mazelcorner.bmp", 15, 16}, {"intro.bmp", 320, 240},   {"rusko_u.bmp", 64, 64}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    replace_with_picture(c.name, c.w, c.h);
    std::string error = refusal();
    EXPECT_TRUE(mentions(error, c.name)) << error;
    EXPECT_TRUE(mentions(error, std::to_string(c.w) + "x" + std::to_string(c.h))) << error;
    restore(c.name);
  }
  EXPECT_TRUE(loads());
}

TEST_F(LoaderFailure, SmallerGhostPicturesAreAccepted) {
  replace_with_picture("marno_d.bmp", 24, 24);
  replace_with_picture("ghostblue.bmp", 32, 32);
  std::string error;
  EXPECT_TRUE(load_assets(&error)) << error;
  EXPECT_EQ(assets.ghost[3][2]->w, 24);
}

TEST_F(LoaderFailure, AFileThatIsNotAPictureOrSoundIsRefused) {
  const std::string garbage = "these bytes are neither a picture nor a sound\x01\x02\x03";
  for (const char *name : {"tobin_u.bmp", "intro.bmp", "fruit3.bmp", "intro.wav", "eating.wav"}) {
    SCOPED_TRACE(name);
    replace_with_bytes(name, garbage);
    EXPECT_TRUE(mentions(refusal(), name));
    replace_with_bytes(name, "");
    EXPECT_TRUE(mentions(refusal(), name));
    restore(name);
  }
  EXPECT_TRUE(loads());
}

TEST_F(LoaderFailure, TheFirstProblemInLoadingOrderIsReported) {
  // Sounds come before pictures.
  unlink("fruit1.bmp");
  unlink("eatghost.wav");
  EXPECT_TRUE(mentions(refusal(), "eatghost.wav"));
  restore("eatghost.wav");
  EXPECT_TRUE(mentions(refusal(), "fruit1.bmp"));
  restore("fruit1.bmp");

  // Ghost pictures are read direction by direction: every _u before any _r.
  unlink("rusko_r.bmp");
  unlink("marno_u.bmp");
  EXPECT_TRUE(mentions(refusal(), "marno_u.bmp"));
  restore("marno_u.bmp");
  EXPECT_TRUE(mentions(refusal(), "rusko_r.bmp"));
  restore("rusko_r.bmp");

  // The title before the walls, the walls before the player.
  replace_with_picture("gobu.bmp", 8, 8);
  unlink("mazer.bmp");
  unlink("intro.bmp");
  EXPECT_TRUE(mentions(refusal(), "intro.bmp"));
  restore("intro.bmp");
  EXPECT_TRUE(mentions(refusal(), "mazer.bmp"));
  restore("mazer.bmp");
  EXPECT_TRUE(mentions(refusal(), "gobu.bmp"));
  restore("gobu.bmp");
  EXPECT_TRUE(loads());
}

}  // namespace
