// Every random number of a game comes through here, so that a game is a pure
// function of its key timing and tests can count and check the draws.
#pragma once

// srand(1): the start of every game and every level.
void seed_random();
// One draw from rand(), reduced to 0 .. modulus-1.
int random_draw(int modulus);

// Bookkeeping that the game itself never reads.
extern long random_draws;   // draws since program start
extern long random_seeds;   // reseeds since program start
