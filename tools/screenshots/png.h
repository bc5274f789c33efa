// A small PNG writer for 8-bit RGB pictures: one IDAT chunk compressed with
// fixed-code deflate and a plain LZ77 search, enough to keep screenshots of
// the game small without any library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds width*height pixels, 3 bytes each, row after row from the top.
std::vector<uint8_t> encode_png(int width, int height, const std::vector<uint8_t> &rgb);

// The zlib stream (RFC 1950) of `data`.
std::vector<uint8_t> zlib_compress(const std::vector<uint8_t> &data);

bool write_file(const std::string &path, const std::vector<uint8_t> &bytes);
