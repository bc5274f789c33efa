// How long showing one picture takes: the game's 640x480 16-bit picture
// turned into 32-bit screen pixels through the colour table, each pixel an
// s x s block, and copied to a memory stand-in for a 32-bit screen of
// 640s x 480s, for s = 1, 2, 3.
//
//   present/s    a whole picture: every row scaled and copied (as after a
//                mode switch, or when the title parade crosses nearly all
//                rows)
//   next/s       one game frame after another: only the rows that changed
//                go out (the two pictures alternate)
//   title/s      one frame of the title parade after another: fourteen
//                rows of sprites, half moving left and half right
//   floor/s      filling as many 32-bit pixels at memset speed: the least
//                any whole present of that size can cost
//
// After the runs it prints each median in microseconds and against the floor.
// The goals, at scale 2: a whole picture within 1.5 ms, and a game frame
// (frame to frame) within 2.5 times the floor. A whole picture stays several
// times the floor where the floor's stores stay in the processor's cache: it
// looks up every pixel and copies the scaled picture once more to the screen.
// Exits with 1 when a goal is missed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "game/game_loop.h"
#include "app/title.h"
#include "game/game_state.h"
#include "headless.h"
#include "median_keeper.h"
#include "platform/view.h"
#include "render/draw_frame.h"

namespace {

const double GOAL_US = 1500;
const double GOAL_RATIO = 2.5;
const int GOAL_SCALE = 2;

// Two pictures of a game a frame apart, and two of the title parade.
BITMAP *frames[2], *titles[2];

void present_bench(benchmark::State &state, bool whole) {
  int s = static_cast<int>(state.range(0));
  BITMAP *target = create_bitmap_ex(32, 640 * s, 480 * s);
  set_view(target, s);
  int n = 0;
  for (auto _ : state) {
    view.whole = whole;
    show_picture(frames[++n % 2]);
    benchmark::ClobberMemory();
  }
  destroy_bitmap(target);
}

void title_bench(benchmark::State &state) {
  int s = static_cast<int>(state.range(0));
  BITMAP *target = create_bitmap_ex(32, 640 * s, 480 * s);
  set_view(target, s);
  int n = 0;
  for (auto _ : state) {
    show_picture(titles[++n % 2]);
    benchmark::ClobberMemory();
  }
  destroy_bitmap(target);
}

void floor_bench(benchmark::State &state) {
  int s = static_cast<int>(state.range(0));
  std::vector<uint32_t> pixels(static_cast<size_t>(640 * s) * 480 * s);
  for (auto _ : state) {
    memset(pixels.data(), 0, pixels.size() * sizeof pixels[0]);
    benchmark::ClobberMemory();
  }
}

}  // namespace

int main(int argc, char **argv) {
  headless_setup();
  // Real pictures: two frames of a game, two seconds in, the player going left.
  use_fake_platform();
  start_game();
  key[KEY_LEFT] = 1;
  for (int i = 0; i < 2; ++i) frames[i] = create_bitmap_ex(16, 640, 480);
  for (int frame = 0; frame < 122; ++frame) {
    game_frame();
    if (frame >= 120) blit(back_buffer, frames[frame - 120], 0, 0, 0, 0, 640, 480);
  }
  key[KEY_LEFT] = 0;
  start_parade();
  bool quit = false;
  for (int i = 0; i < 2; ++i) {
    parade_frame(&quit);
    titles[i] = create_bitmap_ex(16, 640, 480);
    blit(back_buffer, titles[i], 0, 0, 0, 0, 640, 480);
  }

  for (auto *b : {benchmark::RegisterBenchmark("present", present_bench, true),
                  benchmark::RegisterBenchmark("next", present_bench, false),
                  benchmark::RegisterBenchmark("title", title_bench),
                  benchmark::RegisterBenchmark("floor", floor_bench)})
    b->DenseRange(1, 3)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  MedianKeeper reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  auto &m = reporter.median_us;
  std::printf("\nMedian processor time per present (5 runs), into a 32-bit memory screen:\n");
  bool met = true;
  for (int s = 1; s <= 3; ++s) {
    std::string p = "present/" + std::to_string(s), f = "floor/" + std::to_string(s),
                n = "next/" + std::to_string(s);
    if (!m.count(p) || !m.count(f) || !m.count(n)) continue;
    double ratio = m[p] / m[f];
    std::printf("  scale %d (%4dx%4d)  whole %7.1f us  %5.2f %% of the 16.7 ms frame  %5.2f x the floor of %.1f us;"
                "  frame to frame %6.1f us, title %6.1f us\n",
                s, 640 * s, 480 * s, m[p], 100.0 * m[p] / (1e6 / 60), ratio, m[f], m[n], m["title/" + std::to_string(s)]);
    if (s == GOAL_SCALE) {
      bool whole_ok = m[p] <= GOAL_US, next_ok = m[n] <= GOAL_RATIO * m[f];
      std::printf("Goals at scale %d: a whole picture within %.0f us: %s (%.1f us); a game frame within %.2f x the"
                  " floor: %s (%.2f x; a whole picture %.2f x)\n",
                  s, GOAL_US, whole_ok ? "met" : "MISSED", m[p], GOAL_RATIO, next_ok ? "met" : "MISSED", m[n] / m[f],
                  ratio);
      met = met && whole_ok && next_ok;
    }
  }
  return met ? 0 : 1;
}
