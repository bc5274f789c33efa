// A game frame's time, the same code built for the desktop and for the
// browser (run under node): the recorded 3000-frame game replayed, every
// frame timed, the median of all frames printed in microseconds (the best of
// three replays). `make web-bench` sets the two side by side.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "../tools/record_game/recording.h"
#include "headless.h"
#include "platform/platform.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: web_frame_bench RECORDING\n");
    return 2;
  }
  headless_setup();
  std::ifstream in(argv[1]);
  recording::Recording r;
  std::string error;
  if (!recording::read(in, &r, &error)) {
    fprintf(stderr, "web_frame_bench: %s: %s\n", argv[1], error.c_str());
    return 1;
  }
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    recording::begin_game();
    // Showing the picture is the display's work, measured in the page.
    platform.present = [](BITMAP *) {};
    std::vector<double> us;
    bool ended = false;
    for (size_t f = 0; f < r.keys.size() && !ended; ++f) {
      recording::hold_arrows(r.keys[f]);
      auto t0 = std::chrono::steady_clock::now();
      ended = game_frame() == FRAME_GAME_ENDED;
      us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
    std::nth_element(us.begin(), us.begin() + us.size() / 2, us.end());
    best = std::min(best, us[us.size() / 2]);
  }
  printf("%.1f\n", best);
  return 0;
}
