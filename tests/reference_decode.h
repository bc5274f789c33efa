// Readers of BMP and WAV files written from the formats' own rules, apart
// from the game's checks, to tell whether the library read a file right.
// Within the game's limits: pictures 1 to 4096 pixels each way, sounds of
// 8 or 16 bits, 1 or 2 channels, 1000 to 192000 Hz.
#pragma once

#include <allegro.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct RefPicture {
  int w = 0, h = 0;
  std::vector<uint32_t> rgb;  // 0xRRGGBB, rows from the top
};

// The picture a BMP file holds, or false with the rule it breaks in *why.
bool reference_bmp(const Bytes &file, RefPicture *out, std::string *why);

struct RefSound {
  int bits = 0, channels = 0, rate = 0;
  Bytes data;  // as stored in the file
};

// The sounds a WAV file can be read as: with chunks padded to even lengths, as
// the format says, and unpadded, as some programs write them. Empty, with the
// reason in *why, when neither reading gives exactly one usable sound.
std::vector<RefSound> reference_wav(const Bytes &file, std::string *why);

// True when a picture loaded at 16 bits (5-6-5) shows `ref`, each channel
// within one step of rounding; else false with the first difference in *why.
bool same_picture(const BITMAP *loaded, const RefPicture &ref, std::string *why);
// True when a loaded sample is `ref`: format, length and every sample.
bool same_sound(const SAMPLE *loaded, const RefSound &ref, std::string *why);

Bytes read_bytes(const std::string &name);
