// The game's 16-bit 5-6-5 picture turned into the screen's pixels, each
// pixel as an s x s block: one table lookup a pixel, at any screen depth.
#pragma once

#include <allegro.h>

#include <cstdint>

const int COLOUR_COUNT = 65536;  // every 16-bit pixel value

// The screen pixel of every 16-bit pixel, as the library's own conversion
// from a 16-bit bitmap to one of `depth` bits gives it.
struct ColourTable {
  int depth = 0;
  uint32_t value[COLOUR_COUNT];
};

// Fills the table for screens of `depth` bits (15, 16, 24 or 32), with the
// library's colour functions and the pixel formats set at the time.
void build_colour_table(ColourTable *table, int depth);

// Writes the 16-bit picture `src` into `dst` (a memory bitmap of the
// table's depth) with its corner at (x, y), every pixel as an s x s block;
// `dst` must hold the whole scaled picture there.
void scale_picture(BITMAP *src, BITMAP *dst, int x, int y, int s, const ColourTable &table);
// The same for the rows first .. first + count - 1 of `src` alone, written
// where they belong in the whole scaled picture.
void scale_rows(BITMAP *src, int first, int count, BITMAP *dst, int x, int y, int s, const ColourTable &table);
// The same for the columns left .. left + width - 1 of those rows alone.
void scale_block(BITMAP *src, int first, int count, int left, int width, BITMAP *dst, int x, int y, int s,
                 const ColourTable &table);
