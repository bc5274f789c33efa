#include "game/random.h"

#include <cstdlib>

long random_draws = 0;
long random_seeds = 0;

void seed_random() {
  ++random_seeds;
  srand(1);
}

int random_draw(int modulus) {
  ++random_draws;
  return rand() % modulus;
}
