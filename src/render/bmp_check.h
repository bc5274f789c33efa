// A look at a BMP file's headers before the picture loader reads it. The
// loader trusts them: a lying header makes it allocate gigabytes, overflow
// its size arithmetic, write past its own buffers (compressed pictures) or
// quietly make up the pixels a short file lacks.
#pragma once

#include <string>

const int MAX_PICTURE_SIDE = 4096;

// True when `name` is an uncompressed, bottom-up BMP picture whose headers
// agree with the file: "BM" mark, a 40-byte (or the old 12-byte) info header,
// width and height 1 to 4096, one plane, 1/4/8/16/24/32 bits per pixel, and
// all of its rows inside the file. Otherwise false with the reason in *why.
bool check_bmp_file(const char *name, std::string *why);
