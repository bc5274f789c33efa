#include "render/bmp_runs.h"

#include <algorithm>

#include "render/file_check.h"

namespace {

// The file from the runs' start, a byte at a time, never past its end.
struct Input {
  FILE *f;
  long long left;
  bool get(unsigned *b) {
    int c = left > 0 ? getc(f) : EOF;
    if (c == EOF) return false;
    --left;
    *b = unsigned(c);
    return true;
  }
};

const unsigned END_OF_ROW = 0, END_OF_PICTURE = 1, JUMP = 2;

bool cut_short(std::string *why) {
  return fail(why, "its run-length compressed pixels stop before the end of the picture (the file is cut short); "
                   SAVE_AS_24_BIT);
}
bool too_wide(std::string *why, long long row, int width) {
  return fail(why, "its run-length compressed row %lld holds more than the picture's %d pixels, which the game's "
                   "picture loader writes past the picture; " SAVE_AS_24_BIT, row, width);
}

}  // namespace

bool check_bmp_runs(FILE *f, long long left, int width, int height, int bits, int *top_colour, std::string *why) {
  Input in = {f, left};
  unsigned top = 0;
  // The loader starts at the bottom row and moves up; rows count from the top.
  long long row = height - 1, x = 0;
  while (row >= 0) {
    unsigned count, value;
    if (!in.get(&count) || !in.get(&value)) return cut_short(why);
    if (count > 0) {  // `count` pixels of one colour (two alternating colours at 4 bits)
      if (x + count > width) return too_wide(why, row, width);
      top = std::max(top, bits == 8 ? value : count > 1 ? std::max(value >> 4, value & 15) : value >> 4);
      x += count;
    } else if (value == END_OF_ROW) {
      --row, x = 0;
    } else if (value == END_OF_PICTURE) {
      break;
    } else if (value == JUMP) {
      unsigned right, up;
      if (!in.get(&right) || !in.get(&up)) return cut_short(why);
      x += right, row -= up;
      if (x > width || row < 0)
        return fail(why, "its run-length compressed pixels jump outside the picture, which the game's picture loader "
                         "writes past the picture; " SAVE_AS_24_BIT);
    } else {  // `value` pixels given one by one, padded to whole 16-bit words
      if (x + value > width) return too_wide(why, row, width);
      unsigned bytes = bits == 8 ? value + (value & 1) : (value + 3) / 4 * 2;
      for (unsigned i = 0, b; i < bytes; ++i) {
        if (!in.get(&b)) return cut_short(why);
        if (bits == 8 && i < value) top = std::max(top, b);
        if (bits == 4 && 2 * i < value) top = std::max(top, b >> 4);
        if (bits == 4 && 2 * i + 1 < value) top = std::max(top, b & 15);
      }
      x += value;
    }
  }
  *top_colour = int(top);
  return true;
}
