// Byte-exact writers for the two file formats the game loads.
#pragma once

#include <cstdint>
#include <vector>

#include "image.hpp"

constexpr int SAMPLE_RATE = 22050;

// Uncompressed BMP with a BITMAPINFOHEADER, bottom-up rows padded to 4 bytes:
// 24 bits per pixel, or, when `indexed` and the picture has at most 256
// colours, 8 bits per pixel with a table of exactly its colours.
std::vector<std::uint8_t> encode_bmp(const Image& img, bool indexed = false);

// PCM WAV, mono, 16-bit signed, SAMPLE_RATE Hz.
std::vector<std::uint8_t> encode_wav(const std::vector<std::int16_t>& samples);
