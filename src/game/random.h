// Every random number of a game comes through here, so that a game is a pure
// function of its key timing and tests can count and check the draws.
#pragma once

#include <cstdint>

// The start of every game and every level: the generator seeded with 1.
void seed_random();
// One draw, reduced to 0 .. modulus-1.
int random_draw(int modulus);

// The generator itself: the additive-feedback sequence of the GNU C
// library's srand()/rand(), kept here so that every build, whatever its C
// library, plays the same games the recordings were made with.
void random_seed(uint32_t seed);
int32_t random_next();  // 0 .. 2^31 - 1

// Bookkeeping that the game itself never reads.
extern long random_draws;   // draws since program start
extern long random_seeds;   // reseeds since program start
