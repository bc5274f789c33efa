// A look at a BMP file before the picture loader reads it. The loader trusts
// the file: a lying header makes it allocate gigabytes or overflow its size
// arithmetic, run-length data that leaves the picture makes it write past its
// own buffers, and a short file or a missing colour makes it invent pixels.
#pragma once

#include <string>

const int MAX_PICTURE_SIDE = 4096;

// True when `name` is a BMP picture the loader reads pixel for pixel: "BM"
// mark; a 40-byte header (or the old 12-byte one); width and height 1 to 4096,
// bottom-up; and one of
//   - uncompressed 1, 4, 8, 16 (5-5-5), 24 or 32 bits per pixel,
//   - run-length 8 or 4 bits per pixel whose runs stay inside the picture,
//   - 16-bit 5-6-5 or 5-5-5, or 32-bit 8-8-8 bit fields right after the header,
// with all of its pixels inside the file and every colour it uses in its
// colour table. Otherwise false with the reason and what to do in *why.
bool check_bmp_file(const char *name, std::string *why);
