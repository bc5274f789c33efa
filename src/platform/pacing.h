// The 60 Hz tick that paces every loop, and the sleep until the next one.
#pragma once

#include <cstdint>

extern volatile int tick_counter;

// Starts the 60 Hz tick callback (the timer must be installed).
void start_ticks();
// True once `now` has passed `t`, also across a wrap of the counter.
inline bool tick_after(int now, int t) {
  return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(t)) > 0;
}
// Sleeps, giving the processor back, until tick_counter has passed t.
void wait_for_tick_after(int t);
