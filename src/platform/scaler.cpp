#include "platform/scaler.h"

#include <cstring>

void build_colour_table(ColourTable *table, int depth) {
  table->depth = depth;
  for (int p = 0; p < COLOUR_COUNT; ++p)
    table->value[p] = static_cast<uint32_t>(makecol_depth(depth, getr16(p), getg16(p), getb16(p)));
}

// One source row into the first of its s destination rows, for 2- and
// 4-byte pixels; the rest are copies of it.
template <typename Pixel>
static void scale_row(const uint16_t *src, int w, Pixel *dst, int s, const uint32_t *value) {
  if (s == 1) {
    for (int i = 0; i < w; ++i) dst[i] = static_cast<Pixel>(value[src[i]]);
    return;
  }
  if (s == 2) {
    for (int i = 0; i < w; ++i) {
      Pixel v = static_cast<Pixel>(value[src[i]]);
      dst[2 * i] = v;
      dst[2 * i + 1] = v;
    }
    return;
  }
  for (int i = 0; i < w; ++i) {
    Pixel v = static_cast<Pixel>(value[src[i]]);
    for (int k = 0; k < s; ++k) *dst++ = v;
  }
}

// 3-byte pixels, in the byte order of the library's 24-bit bitmaps.
static void scale_row_24(const uint16_t *src, int w, uint8_t *dst, int s, const uint32_t *value) {
  for (int i = 0; i < w; ++i) {
    uint32_t v = value[src[i]];
    for (int k = 0; k < s; ++k) {
      dst[0] = static_cast<uint8_t>(v);
      dst[1] = static_cast<uint8_t>(v >> 8);
      dst[2] = static_cast<uint8_t>(v >> 16);
      dst += 3;
    }
  }
}

void scale_block(BITMAP *src, int first, int count, int left, int width, BITMAP *dst, int x, int y, int s,
                 const ColourTable &table) {
  const int bytes = (table.depth + 7) / 8;
  const size_t row_bytes = static_cast<size_t>(width) * s * bytes;
  const size_t start = static_cast<size_t>(x + left * s) * bytes;
  for (int r = first; r < first + count; ++r) {
    const uint16_t *in = reinterpret_cast<const uint16_t *>(src->line[r]) + left;
    int top = y + r * s;
    uint8_t *out = dst->line[top] + start;
    if (bytes == 4)
      scale_row(in, width, reinterpret_cast<uint32_t *>(out), s, table.value);
    else if (bytes == 2)
      scale_row(in, width, reinterpret_cast<uint16_t *>(out), s, table.value);
    else
      scale_row_24(in, width, out, s, table.value);
    for (int k = 1; k < s; ++k) memcpy(dst->line[top + k] + start, out, row_bytes);
  }
}

void scale_rows(BITMAP *src, int first, int count, BITMAP *dst, int x, int y, int s, const ColourTable &table) {
  scale_block(src, first, count, 0, src->w, dst, x, y, s, table);
}

void scale_picture(BITMAP *src, BITMAP *dst, int x, int y, int s, const ColourTable &table) {
  scale_rows(src, 0, src->h, dst, x, y, s, table);
}
