// Replays recorded games headless and prints the hash of the picture a new
// game starts with, then for every frame the game record's check value and
// a hash of the picture on show, then the final state: two builds of the
// game (the desktop's and the browser's) playing alike print the same lines.
//
//   replay_hashes RECORDING...
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "../../tests/headless.h"
#include "../record_game/recording.h"

// FNV-1a over the 640x480 16-bit picture.
static uint32_t picture_hash(BITMAP *b) {
  uint32_t h = 2166136261u;
  for (int y = 0; y < b->h; ++y) {
    const uint8_t *row = b->line[y];
    for (int i = 0; i < b->w * 2; ++i) h = (h ^ row[i]) * 16777619u;
  }
  return h;
}

int main(int argc, char **argv) {
  headless_setup();
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i]);
    recording::Recording r;
    std::string error;
    if (!recording::read(in, &r, &error)) {
      fprintf(stderr, "replay_hashes: %s: %s\n", argv[i], error.c_str());
      return 1;
    }
    recording::Start start = recording::begin_game();
    printf("start %08x\n", picture_hash(fake.screen));
    bool ended = false;
    size_t f = 0;
    for (; f < r.keys.size() && !ended; ++f) {
      recording::hold_arrows(r.keys[f]);
      ended = game_frame() == FRAME_GAME_ENDED;
      printf("%zu %08x %08x\n", f, recording::check_value(), picture_hash(fake.screen));
    }
    for (const auto &entry : recording::final_state(start, static_cast<int>(f), ended))
      printf("%s %ld\n", entry.first.c_str(), entry.second);
  }
  return 0;
}
