#include "platform/pacing.h"

#include <allegro.h>
#include <semaphore.h>

#include <cerrno>
#include <cstdint>

volatile int tick_counter = 0;

// Posted once per tick; the frame wait sleeps on it instead of spinning.
static sem_t tick_posted;

static void tick() {
  tick_counter = static_cast<int>(static_cast<uint32_t>(tick_counter) + 1u);
  sem_post(&tick_posted);
}
END_OF_STATIC_FUNCTION(tick)

void start_ticks() {
  sem_init(&tick_posted, 0, 0);
  LOCK_VARIABLE(tick_counter);
  LOCK_FUNCTION(tick);
  install_int_ex(tick, BPS_TO_TIMER(60));
}

void wait_for_tick_after(int t) {
  for (;;) {
    // Posts banked during a long pause would otherwise turn the wait into a
    // spin; drop them before looking at the counter, which the tick updates
    // before it posts.
    while (sem_trywait(&tick_posted) == 0) {
    }
    if (tick_after(tick_counter, t)) return;
    while (sem_wait(&tick_posted) != 0 && errno == EINTR) {
    }
  }
}
