// The best score, kept between runs in "gobbler.hi" in the working
// directory: 4 bytes, a little-endian signed 32-bit integer.
#pragma once

#include <cstdint>

extern const char *const HIGH_SCORE_FILE;

// Reads the stored best score into *hi. A missing, unreadable or short file
// leaves *hi as it was.
void load_high_score(int32_t *hi);
// Stores `hi` through a temporary file renamed over the old one, so the file
// is never left half written. On failure it says so on stderr and returns
// false; the game goes on.
bool save_high_score(int32_t hi);
