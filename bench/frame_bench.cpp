// How long one frame of the game takes to compute, without a display.
//
//   game_frame   one whole frame in the middle of a game (clear,
//                draw_frame, player, pick-ups, ghosts; the copy to the
//                display is left out), from a snapshot taken after 600
//                scripted frames
//   draw_frame   composing the picture alone
//   floor        clearing the 640x480 back buffer and blitting the title
//                picture into it: the least any frame of a full-screen
//                picture can cost
//
// After the runs it prints each median in microseconds, as a share of the
// 16.7 ms frame and against the floor; the goal is a whole frame within
// 1.5 times the floor. Exits with 1 when the goal is missed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/platform.h"
#include "game/game_loop.h"
#include "game/game_state.h"
#include "headless.h"
#include "median_keeper.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

const int SCRIPTED_FRAMES = 600;
const double FRAME_BUDGET_US = 1e6 / 60;
const double GOAL_RATIO = 1.5;

const int ARROWS[4] = {KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_LEFT};

// The benchmark's own key script: a seeded generator, since the game owns
// rand(). One arrow held for 8 to 39 frames at a time.
struct KeyScript {
  uint32_t state;
  int held = KEY_LEFT;
  int frames_left = 0;
  explicit KeyScript(uint32_t seed) : state(seed) {}
  uint32_t next() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  }
  void press() {
    if (frames_left-- <= 0) {
      held = ARROWS[next() % 4];
      frames_left = 8 + static_cast<int>(next() % 32);
    }
    for (int k : ARROWS) key[k] = 0;
    key[held] = 1;
  }
};

// The middle of a game, and the keys held at that moment.
GameState snapshot;
int snapshot_blink = 0;
bool snapshot_keys[4] = {};
const unsigned SNAPSHOT_SEED = 77;  // the ghosts' random draws from here on

// Plays the scripted frames from the start of a game. The script's seed is
// the first one, counting up, whose game is still on after all of them.
bool take_snapshot() {
  for (uint32_t seed = 1; seed < 100; ++seed) {
    use_fake_platform();
    clear_to_color(back_buffer, 0);
    game.score = 0;
    game.hi_score = 0;
    start_game();
    KeyScript script(seed);
    bool ended = false;
    for (int frame = 0; frame < SCRIPTED_FRAMES && !ended; ++frame) {
      script.press();
      ended = game_frame() == FRAME_GAME_ENDED;
    }
    if (ended) continue;
    snapshot = game;
    snapshot_blink = blink_counter;
    for (int i = 0; i < 4; ++i) snapshot_keys[i] = key[ARROWS[i]] != 0;
    std::printf("Snapshot after %d frames (key script seed %u): score %d, lives %d, %d pick-ups left\n",
                SCRIPTED_FRAMES, static_cast<unsigned>(seed), game.score, game.lives, count_pickups());
    return true;
  }
  return false;
}

// Puts the game back to the snapshot: a 4 KB copy of the game record and a
// few small resets, cheap next to a frame; it is counted in the frame time.
void restore_snapshot() {
  game = snapshot;
  blink_counter = snapshot_blink;
  srand(SNAPSHOT_SEED);
  fake.sounds.clear();
  fake.rests.clear();
  for (int i = 0; i < 4; ++i) key[ARROWS[i]] = snapshot_keys[i];
}

void game_frame_bench(benchmark::State &state) {
  // Showing the last picture is the display's copy, not the frame's work
  // (the floor leaves it out too).
  void (*present)(BITMAP *) = platform.present;
  platform.present = [](BITMAP *) {};
  for (auto _ : state) {
    restore_snapshot();
    benchmark::DoNotOptimize(game_frame());
    benchmark::ClobberMemory();
  }
  platform.present = present;
}

void draw_frame_bench(benchmark::State &state) {
  restore_snapshot();
  clear_to_color(back_buffer, 0);
  for (auto _ : state) {
    blink_counter = snapshot_blink;
    draw_frame();
    benchmark::ClobberMemory();
  }
}

void floor_bench(benchmark::State &state) {
  for (auto _ : state) {
    rectfill(back_buffer, 0, 0, 640, 480, makecol(0, 0, 0));
    blit(assets.title, back_buffer, 0, 0, 0, 0, back_buffer->w, back_buffer->h);
    benchmark::ClobberMemory();
  }
}

}  // namespace

int main(int argc, char **argv) {
  headless_setup();
  if (!take_snapshot()) {
    std::fprintf(stderr, "frame_bench: no scripted game lasted %d frames\n", SCRIPTED_FRAMES);
    return 2;
  }

  const char *names[] = {"game_frame", "draw_frame", "floor"};
  auto setup = [](benchmark::internal::Benchmark *b) {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly(true);
  };
  setup(benchmark::RegisterBenchmark(names[0], game_frame_bench));
  setup(benchmark::RegisterBenchmark(names[1], draw_frame_bench));
  setup(benchmark::RegisterBenchmark(names[2], floor_bench));

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  MedianKeeper reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  auto &m = reporter.median_us;
  if (!m.count("floor") || !m.count("game_frame")) {
    std::printf("\n(game_frame and floor must both run to compare them)\n");
    return 0;
  }
  double floor = m["floor"];
  std::printf("\nMedian processor time per frame (5 runs):\n");
  for (const char *name : names) {
    if (!m.count(name)) continue;
    std::printf("  %-20s %8.1f us  %5.2f %% of the 16.7 ms frame  %5.2f x the floor\n", name, m[name],
                100.0 * m[name] / FRAME_BUDGET_US, m[name] / floor);
  }
  double ratio = m["game_frame"] / floor;
  bool met = ratio <= GOAL_RATIO;
  std::printf("Goal, a whole frame within %.2f x the floor: %s (%.2f x)\n", GOAL_RATIO, met ? "met" : "MISSED",
              ratio);
  return met ? 0 : 1;
}
