// The run-length pixels of an 8- or 4-bit BMP picture, walked the way the
// picture loader decodes them, before it does: it writes every run, jump and
// literal where the data says, inside the picture or not.
#pragma once

#include <cstdio>
#include <string>

// Walks the runs from f's position, `left` bytes of the file being there, for
// a width x height picture of `bits` (8 or 4) per pixel. True when they end,
// inside the file, with every pixel drawn inside the picture; *top_colour is
// then the highest colour number in the picture (pixels left undrawn are 0).
// Otherwise false with the reason in *why.
bool check_bmp_runs(FILE *f, long long left, int width, int height, int bits, int *top_colour, std::string *why);
