#include "platform/pacing.h"

#include <emscripten.h>

#include <cmath>

#include "web_allegro.h"

volatile int tick_counter = 0;

// The page's clock at tick 0, in ms.
static double start_ms = 0;

static int clock_ticks() {
  return static_cast<int>(static_cast<uint32_t>(std::floor((emscripten_get_now() - start_ms) * 60.0 / 1000.0)));
}

// No interrupts in a page: the count is read off the clock whenever the game
// comes back from a wait.
void start_ticks() {
  start_ms = emscripten_get_now();
  tick_counter = 0;
}

void wait_for_tick_after(int t) {
  for (;;) {
    tick_counter = clock_ticks();
    if (tick_after(tick_counter, t)) break;
    double next = start_ms + (static_cast<uint32_t>(tick_counter) + 1u) * 1000.0 / 60.0;
    web_sleep(static_cast<int>(std::ceil(next - emscripten_get_now())));
  }
  // A frame that overran its tick still gives the page its turn (events,
  // painting), else a slow machine would never see a key.
  if (tick_after(tick_counter, t + 1)) web_sleep(0);
}
