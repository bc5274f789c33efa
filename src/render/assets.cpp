#include "render/assets.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

#include "render/bmp_check.h"
#include "render/file_check.h"
#include "render/wav_check.h"

AssetSet assets;

namespace {

// Absolute, so that every message names the whole path; "" is the working
// directory, where the files are looked up by their bare names.
std::string data_dir;

// What a picture's size must be: exactly w x h, or at most that when `at_most`.
struct SizeRule {
  int w, h;
  bool at_most;
};

const SizeRule TITLE_SIZE = {640, 480, false};
const SizeRule WALL_SIZE = {16, 16, false};
const SizeRule PLAYER_SIZE = {32, 32, false};
const SizeRule GHOST_SIZE = {32, 32, true};
const SizeRule ANY_SIZE = {0, 0, false};

const char *const PLAYER_FILES[PLAYER_FRAMES] = {"gobu.bmp",  "gobu1.bmp", "gobu2.bmp",
                                                 "gobu3.bmp", "gobu2.bmp", "gobu1.bmp"};
const char *const GHOST_NAMES[GHOSTS] = {"rusko", "velda", "tobin", "marno"};
const char *const DIRECTION_SUFFIX[4] = {"_u", "_r", "_d", "_l"};
// Fruit file by level for the first twelve levels; later levels use fruit8.
const char *const FRUIT_FILES[12] = {"fruit1.bmp", "fruit2.bmp", "fruit3.bmp", "fruit3.bmp",
                                     "fruit4.bmp", "fruit4.bmp", "fruit5.bmp", "fruit5.bmp",
                                     "fruit6.bmp", "fruit6.bmp", "fruit7.bmp", "fruit7.bmp"};
const char *const LAST_FRUIT_FILE = "fruit8.bmp";

std::string cannot_load(const char *name, const std::string &why) {
  return std::string("gobbler: cannot load \"") + name + "\": " + why;
}

std::string where_files_are() {
  if (!data_dir.empty()) return "";
  char here[4096];
  return std::string(" (game files are looked up in the working directory") +
         (getcwd(here, sizeof here) ? std::string(", ") + here : std::string()) + ")";
}

bool readable(const char *name, std::string *error) {
  struct stat st;
  bool found = stat(name, &st) == 0;
  // Opening a pipe or a device could block or never end.
  if (found && !S_ISREG(st.st_mode)) {
    *error = cannot_load(name, S_ISDIR(st.st_mode) ? "it is a directory, not a file" : "it is not a regular file");
    return false;
  }
  FILE *f = found ? fopen(name, "rb") : nullptr;
  if (!f) {
    *error = std::string("gobbler: cannot read \"") + name + "\": the file is missing or unreadable" + where_files_are();
    return false;
  }
  fclose(f);
  return true;
}

bool load_wav(const char *file, SAMPLE **slot, std::string *error) {
  const std::string path = asset_path(file);
  const char *name = path.c_str();
  if (!readable(name, error)) return false;
  // The library's loader believes whatever the headers say.
  std::string why;
  if (!check_wav_file(name, &why)) {
    *error = cannot_load(name, why);
    return false;
  }
  *slot = load_sample(name);
  if (!*slot) {
    *error = cannot_load(name, "not a WAV sound the game can play; " SAVE_AS_PCM);
    return false;
  }
  return true;
}

bool load_bmp(const char *file, const SizeRule &rule, BITMAP **slot, std::string *error) {
  const std::string path = asset_path(file);
  const char *name = path.c_str();
  if (!readable(name, error)) return false;
  std::string why;
  if (!check_bmp_file(name, &why)) {
    *error = cannot_load(name, why);
    return false;
  }
  PALETTE scratch;
  BITMAP *bmp = load_bitmap(name, scratch);
  if (!bmp) {
    *error = cannot_load(name, "not a BMP picture the game can read; " SAVE_AS_24_BIT);
    return false;
  }
  bool fits = rule.w == 0 || (rule.at_most ? bmp->w <= rule.w && bmp->h <= rule.h
                                          : bmp->w == rule.w && bmp->h == rule.h);
  if (!fits) {
    char sizes[120];
    snprintf(sizes, sizeof sizes, " is %dx%d pixels; it must be %s%dx%d", bmp->w, bmp->h,
             rule.at_most ? "at most " : "", rule.w, rule.h);
    *error = std::string("gobbler: \"") + name + "\"" + sizes;
    destroy_bitmap(bmp);
    return false;
  }
  *slot = bmp;
  return true;
}

// Frees what a failed load got so far; slots that share a picture free it once.
void free_partial(AssetSet *a) {
  for (SAMPLE *s : {a->eating, a->dies, a->fruit_or_pill, a->intro, a->eat_ghost})
    if (s) destroy_sample(s);
  std::set<BITMAP *> pictures = {a->title, a->straight_wall, a->wall_corner, a->frightened, a->frightened_flash};
  pictures.insert(a->player, a->player + PLAYER_FRAMES);
  for (auto &row : a->ghost) pictures.insert(row, row + 4);
  pictures.insert(a->fruit, a->fruit + LEVELS);
  for (BITMAP *b : pictures)
    if (b) destroy_bitmap(b);
}

}  // namespace

void set_data_dir(const std::string &dir) {
  data_dir.clear();
  if (dir.empty()) return;
  std::error_code failed;
  std::filesystem::path whole = std::filesystem::absolute(dir, failed).lexically_normal();
  data_dir = failed ? dir : whole.string();
  // "/usr/share/games/gobbler/" and "/usr/share/games/gobbler" are one place.
  while (data_dir.size() > 1 && data_dir.back() == '/') data_dir.pop_back();
}

std::string asset_path(const std::string &name) {
  if (data_dir.empty()) return name;
  return data_dir == "/" ? "/" + name : data_dir + "/" + name;
}

bool load_assets(std::string *error) {
  AssetSet a = {};
  bool ok = load_wav("eating.wav", &a.eating, error) && load_wav("dies.wav", &a.dies, error) &&
            load_wav("fruitorpowerpill.wav", &a.fruit_or_pill, error) && load_wav("intro.wav", &a.intro, error) &&
            load_wav("eatghost.wav", &a.eat_ghost, error) && load_bmp("intro.bmp", TITLE_SIZE, &a.title, error) &&
            load_bmp("mazer.bmp", WALL_SIZE, &a.straight_wall, error) &&
            load_bmp("mazelcorner.bmp", WALL_SIZE, &a.wall_corner, error);
  // The last two player frames repeat frames 2 and 1: shared pictures.
  for (int f = 0; ok && f < 4; ++f) ok = load_bmp(PLAYER_FILES[f], PLAYER_SIZE, &a.player[f], error);
  if (ok) {
    a.player[4] = a.player[2];
    a.player[5] = a.player[1];
  }
  for (int d = 0; ok && d < 4; ++d)
    for (int k = 0; ok && k < GHOSTS; ++k) {
      std::string name = std::string(GHOST_NAMES[k]) + DIRECTION_SUFFIX[d] + ".bmp";
      ok = load_bmp(name.c_str(), GHOST_SIZE, &a.ghost[k][d], error);
    }
  ok = ok && load_bmp("ghostblue.bmp", GHOST_SIZE, &a.frightened, error) &&
       load_bmp("ghostblueflash.bmp", GHOST_SIZE, &a.frightened_flash, error);
  // Levels that share a file share one loaded picture.
  for (int level = 0; ok && level < 12; ++level) {
    if (level > 0 && strcmp(FRUIT_FILES[level], FRUIT_FILES[level - 1]) == 0)
      a.fruit[level] = a.fruit[level - 1];
    else
      ok = load_bmp(FRUIT_FILES[level], ANY_SIZE, &a.fruit[level], error);
  }
  if (ok) ok = load_bmp(LAST_FRUIT_FILE, ANY_SIZE, &a.fruit[12], error);
  for (int level = 13; ok && level < LEVELS; ++level) a.fruit[level] = a.fruit[12];
  if (ok)
    assets = a;
  else
    free_partial(&a);
  return ok;
}
