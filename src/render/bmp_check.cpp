#include "render/bmp_check.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include <sys/stat.h>

#include "render/bmp_runs.h"
#include "render/file_check.h"

namespace {

const uint32_t FILE_HEADER = 14;
const uint32_t WINDOWS_INFO = 40;
const uint32_t OS2_INFO = 12;  // 16-bit width and height, 3-byte colours, no compression
const uint32_t MASKS = 12;     // red, green and blue bit fields after a 40-byte header

const uint32_t PLAIN = 0, RUNS_8 = 1, RUNS_4 = 2, BIT_FIELDS = 3;

// The bit fields the loader reads (it looks at red and blue only, and takes
// green to be what lies between them).
struct BitFields {
  uint32_t bits, red, green, blue;
};
const BitFields LOADER_BIT_FIELDS[] = {
    {16, 0xf800, 0x07e0, 0x001f}, {16, 0x7c00, 0x03e0, 0x001f}, {32, 0xff0000, 0x00ff00, 0x0000ff}};

// Highest colour number in `height` uncompressed rows of `bits` per pixel at f's position.
int top_colour_of_rows(FILE *f, long long width, long long height, uint32_t bits, long long row_bytes) {
  std::vector<unsigned char> row(static_cast<size_t>(row_bytes));
  int top = 0;
  for (long long y = 0; y < height && fread(row.data(), 1, row.size(), f) == row.size(); ++y)
    for (long long x = 0; x < width; ++x) {
      unsigned byte = row[size_t(x * bits / 8)];
      unsigned shift = unsigned(8 - bits - x * bits % 8);  // leftmost pixel in the high bits
      top = std::max(top, int(byte >> shift & ((1u << bits) - 1)));
    }
  return top;
}

}  // namespace

bool check_bmp_file(const char *name, std::string *why) {
  std::unique_ptr<FILE, int (*)(FILE *)> file(fopen(name, "rb"), fclose);
  FILE *f = file.get();
  if (!f) return fail(why, "the file cannot be opened");
  struct stat st;
  unsigned char h[FILE_HEADER + WINDOWS_INFO + MASKS] = {};
  bool regular = fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
  size_t got = regular ? fread(h, 1, sizeof h, f) : 0;
  if (!regular) return fail(why, "it is not a regular file");
  long long size = st.st_size;

  if (size == 0) return fail(why, "the file is empty");
  if (got < 2 || h[0] != 'B' || h[1] != 'M')
    return fail(why, "not a BMP picture (it does not start with \"BM\"); " SAVE_AS_24_BIT);
  if (size < FILE_HEADER + 4) return fail(why, "the file is cut short (%lld bytes)", size);
  // The file-size field in the header is not used: the loader ignores it and
  // some programs leave it at 0. The pixels are what must be there.

  uint32_t info = le32(h + 14);
  if (info != WINDOWS_INFO && info != OS2_INFO)
    return fail(why, "a %u-byte BMP header is not supported; " SAVE_AS_24_BIT, info);
  if (FILE_HEADER + info > size) return fail(why, "the file is cut short (%lld bytes)", size);
  const bool windows = info == WINDOWS_INFO;
  long long width, height;
  uint32_t bits, compression = PLAIN, colours_used = 0;
  if (windows) {
    width = int32_t(le32(h + 18));
    height = int32_t(le32(h + 22));
    bits = le16(h + 28);
    compression = le32(h + 30);
    colours_used = le32(h + 46);
  } else {
    width = le16(h + 18);
    height = le16(h + 20);
    bits = le16(h + 24);
  }

  // The loader takes a negative height as a huge one and fails.
  if (height < 0)
    return fail(why, "top-down pictures (negative height %lld) are not supported; " SAVE_AS_24_BIT, height);
  if (width < 1 || width > MAX_PICTURE_SIDE || height < 1 || height > MAX_PICTURE_SIDE)
    return fail(why, "a size of %lldx%lld pixels is out of range (1 to 4096 each way)", width, height);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return fail(why, "%u bits per pixel is not supported; " SAVE_AS_24_BIT, bits);
  if (!windows && bits != 1 && bits != 4 && bits != 8 && bits != 24)
    return fail(why, "%u bits per pixel is not supported with an old 12-byte BMP header; " SAVE_AS_24_BIT, bits);

  if (compression == BIT_FIELDS) {
    if (size < FILE_HEADER + WINDOWS_INFO + MASKS) return fail(why, "the file is cut short (%lld bytes)", size);
    const BitFields in_file = {bits, le32(h + 54), le32(h + 58), le32(h + 62)};
    auto same = [&](const BitFields &b) {
      return b.bits == bits && b.red == in_file.red && b.green == in_file.green && b.blue == in_file.blue;
    };
    if (std::none_of(std::begin(LOADER_BIT_FIELDS), std::end(LOADER_BIT_FIELDS), same))
      return fail(why,
                  "its %u-bit pixels in bit fields red %#x, green %#x, blue %#x are not a layout the game's picture "
                  "loader reads (16-bit 5-6-5 or 5-5-5, 32-bit 8-8-8); " SAVE_AS_24_BIT,
                  bits, in_file.red, in_file.green, in_file.blue);
  } else if (compression == RUNS_8 || compression == RUNS_4) {
    if (bits != (compression == RUNS_8 ? 8u : 4u))
      return fail(why, "run-length compression %u does not go with %u bits per pixel; " SAVE_AS_24_BIT, compression,
                  bits);
  } else if (compression != PLAIN) {
    return fail(why, "compressed pictures (compression %u) are not supported; " SAVE_AS_24_BIT, compression);
  }

  // The loader reads the colour table from right after the header up to the
  // pixels, and the pixels from there on (bit fields: right after the masks).
  const long long header = FILE_HEADER + info, offset = le32(h + 10);
  if (offset < header)
    return fail(why, "the pixel data offset %lld lies inside the header; " SAVE_AS_24_BIT, offset);
  if (offset > INT_MAX) return fail(why, "the pixel data offset %lld lies past the end of the file", offset);
  if (compression == BIT_FIELDS && offset != header + MASKS)
    return fail(why,
                "its pixels start at byte %lld, not right after its bit fields (byte %lld) where the game's picture "
                "loader reads them; " SAVE_AS_24_BIT,
                offset, header + MASKS);

  int top_colour = 0;
  if (compression == RUNS_8 || compression == RUNS_4) {
    if (fseek(f, long(offset), SEEK_SET) != 0 || offset >= size)
      return fail(why, "the pixel data offset %lld lies past the end of the file", offset);
    if (!check_bmp_runs(f, size - offset, int(width), int(height), int(bits), &top_colour, why)) return false;
  } else {
    // Rows are padded to whole 4-byte words.
    const long long row = (width * bits + 31) / 32 * 4;
    if (offset + row * height > size)
      return fail(why,
                  "the pixel rows run past the end of the file (%lld bytes needed, %lld there); the file is cut short",
                  offset + row * height, size);
    if (bits <= 8 && fseek(f, long(offset), SEEK_SET) == 0)
      top_colour = top_colour_of_rows(f, width, height, bits, row);
  }

  if (bits <= 8) {
    // Colours the file holds whole before its pixels (4 bytes each, 3 in the
    // old header; the loader reads up to 256), of those its header declares.
    const long long room = offset - header;
    long long held = std::min(256LL, room / (windows ? 4 : 3));
    long long declared = colours_used == 0 || colours_used > 1u << bits ? 1u << bits : colours_used;
    long long colours = std::min(held, declared);
    if (colours == 0) return fail(why, "its %u-bit pixels have no colour table; " SAVE_AS_24_BIT, bits);
    if (top_colour >= colours)
      return fail(why, "its pixels use colour %d but its colour table holds %lld colours; " SAVE_AS_24_BIT, top_colour,
                  colours);
  }
  return true;
}
