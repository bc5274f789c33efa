// Plays one game headless with a seeded stand-in for the player's hands and
// writes what happened as a recording for the replay tests.
//
//   record_game SEED FRAMES OUTPUT
//
// The hands hold one arrow key (now and then two, or none) for a few
// frames at a time, chosen by their own generator; the game's rand() is
// left to the ghosts. Recording stops after FRAMES frames or when the game
// ends. A summary goes to standard error.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "../../tests/headless.h"
#include "recording.h"
#include "render/assets.h"

namespace {

struct Hands {
  uint32_t state;
  int left = 0;
  std::string bits = "0000";
  explicit Hands(uint32_t seed) : state(seed * 2654435761u + 12345) {}
  uint32_t next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  std::string choose() {
    if (left-- <= 0) {
      static const char *const choices[] = {"1000", "0100", "0010", "0001", "1000", "0100", "0010",
                                            "0001", "0000", "1010", "0101", "0110", "1001"};
      bits = choices[next() % (sizeof choices / sizeof choices[0])];
      left = 6 + next() % 50;
    }
    return bits;
  }
};

int count_pills() {
  int n = 0;
  for (auto &row : game.maze)
    for (int cell : row) n += cell == TILE_PILL;
  return n;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: record_game SEED FRAMES OUTPUT\n");
    return 2;
  }
  uint32_t seed = (uint32_t)strtoul(argv[1], nullptr, 10);
  int frames = atoi(argv[2]);
  Hands hands(seed);

  recording::Recording r;
  recording::Start start = recording::begin_game();
  bool ended = false;
  int deaths = 0, pills = 0, levels = 0, ghosts_eaten = 0, fruits = 0;
  for (int f = 0; f < frames && !ended; ++f) {
    std::string bits = hands.choose();
    recording::hold_arrows(bits);
    int lives = game.lives, level = game.level, pills_before = count_pills(), fruit = game.fruit_state;
    size_t sounds = fake.sounds.size();
    ended = game_frame() == FRAME_GAME_ENDED;
    r.keys.push_back(bits);
    r.checks.push_back(recording::check_value());
    deaths += game.lives < lives;
    levels += game.level > level;
    if (game.level == level) pills += pills_before - count_pills();
    fruits += fruit == FRUIT_SHOWN && game.fruit_state == FRUIT_EATEN;
    for (size_t i = sounds; i < fake.sounds.size(); ++i) ghosts_eaten += fake.sounds[i] == assets.eat_ghost;
  }
  r.final = recording::final_state(start, (int)r.keys.size(), ended);

  std::ofstream out(argv[3]);
  char comment[200];
  snprintf(comment, sizeof comment,
           "recorded game: hands seed %u, %d frames%s; %d deaths, %d pills, %d ghosts eaten, %d fruits, %d levels",
           seed, (int)r.keys.size(), ended ? " (game over)" : "", deaths, pills, ghosts_eaten, fruits, levels);
  recording::write(out, r, comment);
  out.close();
  if (!out) {
    fprintf(stderr, "record_game: cannot write %s\n", argv[3]);
    return 1;
  }
  fprintf(stderr, "%s\n", comment);
  return 0;
}
