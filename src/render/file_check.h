// Small pieces shared by the checks of picture and sound files.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>

inline uint32_t le16(const unsigned char *p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
inline uint32_t le32(const unsigned char *p) { return le16(p) | le16(p + 2) << 16; }

// Puts the formatted reason in *why and returns false, for `return fail(...)`.
__attribute__((format(printf, 2, 3))) inline bool fail(std::string *why, const char *format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof text, format, args);
  va_end(args);
  *why = text;
  return false;
}
