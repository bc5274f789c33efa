// screenshots <output-directory>
//
// Draws two pictures with the game's own code, headless, and writes them as
// PNG files: title.png, the title screen with its parade under way, and
// game.png, a game in progress played from a fixed list of key presses:
// dots eaten, the fruit out and the ghosts blue after a power pill. The game
// replays the same way for the same key timing, so the pictures come out the
// same every time; if the game's rules change so that the list no longer
// gets there, the tool says what is missing and fails.
#include <allegro.h>
#include <loadpng.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "app/title.h"
#include "game/game_loop.h"
#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

const int TITLE_FRAMES = 200;

// From this frame of play on, hold this arrow key (and no other).
struct KeyChange {
  int frame;
  int key;
};

// The route, worked out once by steering at every crossing toward the
// nearest dot away from the ghosts until 75 pick-ups were gone, then toward
// a power pill; the picture is taken 90 frames after the pill, with the
// ghosts blue (not yet flashing) and the fruit out.
const KeyChange ROUTE[] = {
    {0, KEY_RIGHT},
    {64, KEY_UP},
    {112, KEY_RIGHT},
    {240, KEY_UP},
    {256, KEY_DOWN},
    {320, KEY_RIGHT},
    {352, KEY_DOWN},
    {432, KEY_UP},
    {512, KEY_LEFT},
    {624, KEY_RIGHT},
    {656, KEY_LEFT},
    {704, KEY_RIGHT},
    {800, KEY_UP},
    {992, KEY_RIGHT},
    {1024, KEY_UP},
    {1088, KEY_DOWN},
    {1152, KEY_LEFT},
    {1312, KEY_UP},
    {1408, KEY_RIGHT},
    {1536, KEY_LEFT},
    {1680, KEY_RIGHT},
};

// The frame whose picture is taken; the conditions below must hold then.
const int GAME_SHOT_FRAME = 1929;

[[noreturn]] void die(const std::string &why) {
  fprintf(stderr, "screenshots: %s\n", why.c_str());
  exit(1);
}

// The 16-bit picture as an 8-bit RGB PNG, each channel widened the library's way.
void save_back_buffer(const std::string &path) {
  if (save_png(path.c_str(), back_buffer, nullptr) != 0) die("cannot write " + path);
  printf("%s\n", path.c_str());
}

void draw_title() {
  use_fake_platform();
  blit(assets.title, back_buffer, 0, 0, 0, 0, back_buffer->w, back_buffer->h);
  start_parade();
  bool quit = false;
  for (int i = 0; i < TITLE_FRAMES; ++i)
    if (parade_frame(&quit)) die("the title screen ended without a key");
}

void hold_only(int k) {
  key[KEY_LEFT] = key[KEY_RIGHT] = key[KEY_UP] = key[KEY_DOWN] = 0;
  key[k] = 1;
}

int frightened_ghosts() {
  int n = 0;
  for (int k = 0; k < GHOSTS; ++k) n += game.ghost_mode[k] == GHOST_FRIGHTENED;
  return n;
}

// What the picture of the next frame will show must be worth showing.
std::string missing_from_game() {
  int left = count_pickups();
  if (game.lives != START_LIVES) return "the player lost a life";
  if (game.level != 0) return "the game is past its first level";
  if (left > FULL_MAZE_PICKUPS - 20) return "hardly any dots are eaten";
  if (game.fruit_state != FRUIT_SHOWN) return "the fruit is not out";
  if (frightened_ghosts() == 0) return "no ghost is frightened";
  return "";
}

void play_to_shot() {
  use_fake_platform();
  game.score = 0;
  game.hi_score = 0;
  start_game();
  size_t next = 0;
  const size_t changes = sizeof ROUTE / sizeof ROUTE[0];
  for (int frame = 0; frame <= GAME_SHOT_FRAME; ++frame) {
    while (next < changes && ROUTE[next].frame == frame) hold_only(ROUTE[next++].key);
    if (frame == GAME_SHOT_FRAME) {
      std::string missing = missing_from_game();
      if (!missing.empty())
        die("at frame " + std::to_string(frame) + " " + missing + "; the route needs redoing (score " +
            std::to_string(game.score) + ", " + std::to_string(count_pickups()) + " pick-ups left)");
    }
    int t = platform.ticks();
    if (game_frame() != FRAME_GO_ON) die("the game ended at frame " + std::to_string(frame));
    platform.wait_tick(t);
  }
  release_all_keys();
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s <output-directory>\n", argc > 0 ? argv[0] : "screenshots");
    return 2;
  }
  std::string dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  try {
    headless_setup();
  } catch (const std::exception &e) {
    die(e.what());
  }
  draw_title();
  save_back_buffer(dir + "/title.png");
  play_to_shot();
  save_back_buffer(dir + "/game.png");
  return 0;
}
