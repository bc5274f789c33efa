#include "game/random.h"

long random_draws = 0;
long random_seeds = 0;

// r[i] = r[i-31] + r[i-3] over 32-bit words, kept in a ring of the last 34.
const int RING = 34;
static uint32_t ring[RING];
static int next_slot = 0;

static uint32_t step() {
  uint32_t value = ring[(next_slot + RING - 31) % RING] + ring[(next_slot + RING - 3) % RING];
  ring[next_slot] = value;
  next_slot = (next_slot + 1) % RING;
  return value;
}

void random_seed(uint32_t seed) {
  // The first 31 words by the minimal standard generator (16807 * r mod
  // 2^31 - 1, worked without overflow), the next three repeat the first.
  int32_t word = seed == 0 ? 1 : static_cast<int32_t>(seed);
  ring[0] = static_cast<uint32_t>(word);
  for (int i = 1; i < 31; ++i) {
    int32_t hi = word / 127773, lo = word % 127773;
    word = 16807 * lo - 2836 * hi;
    if (word < 0) word += 2147483647;
    ring[i] = static_cast<uint32_t>(word);
  }
  for (int i = 31; i < RING; ++i) ring[i] = ring[i - 31];
  next_slot = 0;
  // The first 310 sums are thrown away, as the C library does.
  for (int i = 0; i < 310; ++i) step();
}

int32_t random_next() { return static_cast<int32_t>(step() >> 1); }

void seed_random() {
  ++random_seeds;
  random_seed(1);
}

int random_draw(int modulus) {
  ++random_draws;
  return random_next() % modulus;
}
