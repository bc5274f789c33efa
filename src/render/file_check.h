// Small pieces shared by the checks of picture and sound files.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>

// What refusals of pictures and sounds end with: what to do instead.
#define SAVE_AS_24_BIT "save it as an uncompressed 24-bit BMP"
#define SAVE_AS_PCM "save it again as a plain 16-bit PCM WAV file"

inline uint32_t le16(const unsigned char *p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
inline uint32_t le32(const unsigned char *p) { return le16(p) | le16(p + 2) << 16; }

// Puts the formatted reason in *why and returns false.
inline bool vfail(std::string *why, const char *format, va_list args) {
  char text[320];
  vsnprintf(text, sizeof text, format, args);
  *why = text;
  return false;
}

// The same, for `return fail(...)`.
__attribute__((format(printf, 2, 3))) inline bool fail(std::string *why, const char *format, ...) {
  va_list args;
  va_start(args, format);
  vfail(why, format, args);
  va_end(args);
  return false;
}
