#include "reference_decode.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

const long long MAX_SIDE = 4096;

uint32_t u16(const Bytes &b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t u32(const Bytes &b, size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

bool no(std::string *why, const std::string &reason) {
  *why = reason;
  return false;
}

// A channel of `mask` in `v`, scaled to 0..255.
uint32_t channel(uint32_t v, uint32_t mask) {
  if (!mask) return 0;
  int shift = __builtin_ctz(mask);
  uint32_t top = mask >> shift;
  return (((v & mask) >> shift) * 255 + top / 2) / top;
}

// A mask is one run of set bits inside the pixel.
bool good_mask(uint32_t mask, uint32_t bits) {
  if (!mask || (bits < 32 && mask >> bits)) return false;
  uint32_t m = mask >> __builtin_ctz(mask);
  return (m & (m + 1)) == 0;
}

// Run-length pixels from `at`: colour numbers into `index` (rows from the
// bottom, as stored), 0 where nothing is drawn. Every pixel drawn and every
// jump must stay inside the picture, and the data must end, with an
// end-of-picture mark or the end of the last row, inside the file.
bool decode_runs(const Bytes &b, size_t at, int w, int h, int bits, std::vector<int> *index, std::string *why) {
  long long x = 0, y = 0;  // y: rows from the bottom
  auto put = [&](int colour) {
    if (x >= w || y >= h) return false;
    (*index)[size_t(y * w + x)] = colour;
    ++x;
    return true;
  };
  while (y < h) {
    if (at + 2 > b.size()) return no(why, "run-length data ends early");
    unsigned n = b[at], v = b[at + 1];
    at += 2;
    if (n > 0) {
      for (unsigned i = 0; i < n; ++i)
        if (!put(bits == 8 ? int(v) : int(i % 2 ? v & 15 : v >> 4))) return no(why, "a run leaves the picture");
    } else if (v == 0) {
      x = 0, ++y;
    } else if (v == 1) {
      return true;
    } else if (v == 2) {
      if (at + 2 > b.size()) return no(why, "run-length data ends early");
      x += b[at], y += b[at + 1];
      at += 2;
      if (x > w || y >= h) return no(why, "a jump leaves the picture");
    } else {
      size_t bytes = bits == 8 ? (v + 1) / 2 * 2 : (v + 3) / 4 * 2;
      if (at + bytes > b.size()) return no(why, "run-length data ends early");
      for (unsigned i = 0; i < v; ++i) {
        unsigned byte = b[at + (bits == 8 ? i : i / 2)];
        if (!put(bits == 8 ? int(byte) : int(i % 2 ? byte & 15 : byte >> 4)))
          return no(why, "a literal leaves the picture");
      }
      at += bytes;
    }
  }
  return true;
}

}  // namespace

Bytes read_bytes(const std::string &name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

bool reference_bmp(const Bytes &b, RefPicture *out, std::string *why) {
  if (b.size() < 18 || b[0] != 'B' || b[1] != 'M') return no(why, "not a BMP file");
  const uint32_t info = u32(b, 14);
  const bool os2 = info == 12;
  if (info != 12 && info != 40) return no(why, "a header this reader does not know");
  if (b.size() < 14 + info) return no(why, "header cut short");
  long long w, h;
  uint32_t bits, compression = 0, used = 0;
  if (os2) {
    w = u16(b, 18), h = u16(b, 20), bits = u16(b, 24);
  } else {
    w = int32_t(u32(b, 18)), h = int32_t(u32(b, 22)), bits = u16(b, 28), compression = u32(b, 30), used = u32(b, 46);
  }
  const bool top_down = h < 0;
  if (top_down) h = -h;
  if (w < 1 || h < 1 || w > MAX_SIDE || h > MAX_SIDE) return no(why, "size out of the game's range");
  const bool plain_bits = bits == 1 || bits == 4 || bits == 8 || bits == 24 || (!os2 && (bits == 16 || bits == 32));
  if (!(compression == 0 && plain_bits) && !(compression == 1 && bits == 8) && !(compression == 2 && bits == 4) &&
      !(compression == 3 && (bits == 16 || bits == 32)))
    return no(why, "no such combination of bits and compression");
  if (top_down && (compression == 1 || compression == 2)) return no(why, "run-length data cannot be top-down");

  const size_t header = 14 + info, offset = u32(b, 10);
  uint32_t masks[3] = {0x7c00, 0x03e0, 0x001f};  // 16 bits without bit fields
  if (bits == 24 || bits == 32) masks[0] = 0xff0000, masks[1] = 0xff00, masks[2] = 0xff;
  size_t table_end = offset;
  if (compression == 3) {
    if (b.size() < header + 12 || offset < header + 12) return no(why, "bit fields missing");
    for (int i = 0; i < 3; ++i) masks[i] = u32(b, header + 4 * i);
    for (uint32_t m : masks)
      if (!good_mask(m, bits)) return no(why, "a bit field is not one run of bits inside the pixel");
    if ((masks[0] & masks[1]) || (masks[1] & masks[2]) || (masks[0] & masks[2])) return no(why, "bit fields overlap");
  }
  if (offset < header || offset > b.size()) return no(why, "pixel offset outside the file's pixels");

  // The colour table: the declared number of entries, as many as lie whole before the pixels.
  std::vector<uint32_t> table;
  if (bits <= 8) {
    const size_t entry = os2 ? 3 : 4, declared = used && used <= 1u << bits ? used : 1u << bits;
    for (size_t at = header; table.size() < declared && at + entry <= table_end; at += entry)
      table.push_back(b[at + 2] << 16 | b[at + 1] << 8 | b[at]);
  }

  std::vector<int> index;  // colour numbers, rows from the bottom
  out->w = int(w), out->h = int(h);
  out->rgb.assign(size_t(w * h), 0);
  if (compression == 1 || compression == 2) {
    index.assign(size_t(w * h), 0);
    if (!decode_runs(b, offset, int(w), int(h), int(bits), &index, why)) return false;
  } else {
    const size_t row = size_t((w * bits + 31) / 32 * 4);
    if (offset + row * size_t(h) > b.size()) return no(why, "pixel rows cut short");
    if (bits <= 8) index.assign(size_t(w * h), 0);
    for (long long y = 0; y < h; ++y) {
      const size_t start = offset + row * size_t(y);
      const long long to = top_down ? y : h - 1 - y;  // picture row from the top
      for (long long x = 0; x < w; ++x) {
        if (bits <= 8) {
          unsigned byte = b[start + size_t(x * bits / 8)];
          index[size_t((h - 1 - to) * w + x)] = int(byte >> (8 - bits - x * bits % 8) & ((1u << bits) - 1));
          continue;
        }
        const size_t at = start + size_t(x * bits / 8);
        uint32_t v = bits == 16 ? u16(b, at) : bits == 24 ? b[at] | b[at + 1] << 8 | b[at + 2] << 16 : u32(b, at);
        out->rgb[size_t(to * w + x)] = channel(v, masks[0]) << 16 | channel(v, masks[1]) << 8 | channel(v, masks[2]);
      }
    }
  }
  if (!index.empty())
    for (long long i = 0; i < w * h; ++i) {
      int c = index[size_t(i)];
      if (size_t(c) >= table.size()) return no(why, "a colour number past the colour table");
      out->rgb[size_t((h - 1 - i / w) * w + i % w)] = table[size_t(c)];
    }
  return true;
}

namespace {

// One reading of a WAV: the last format before the one sound.
bool read_wav(const Bytes &b, bool padded, RefSound *out, std::string *why) {
  if (b.size() < 12 || memcmp(b.data(), "RIFF", 4) != 0 || memcmp(b.data() + 8, "WAVE", 4) != 0)
    return no(why, "not a RIFF WAVE file");
  bool have_format = false, have_data = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    const char *name = reinterpret_cast<const char *>(b.data() + at);
    const size_t length = u32(b, at + 4), body = at + 8;
    if (length > b.size() - body) {
      if (have_data) break;  // a cut-off chunk after the sound
      return no(why, "a chunk runs past the end of the file");
    }
    if (memcmp(name, "fmt ", 4) == 0 && !have_data) {
      if (length < 16) return no(why, "format chunk too short");
      out->channels = int(u16(b, body + 2)), out->rate = int(u32(b, body + 4)), out->bits = int(u16(b, body + 14));
      if (u16(b, body) != 1 || (out->channels != 1 && out->channels != 2) || (out->bits != 8 && out->bits != 16))
        return no(why, "not 8- or 16-bit PCM, mono or stereo");
      have_format = true;
    } else if (memcmp(name, "data", 4) == 0) {
      if (have_data) return no(why, "two sounds");
      if (!have_format) return no(why, "sound before its format");
      const size_t frame = size_t(out->channels * out->bits / 8);
      if (length == 0 || length % frame != 0) return no(why, "no sound, or a part of a frame");
      if (out->rate < 1000 || out->rate > 192000) return no(why, "sample rate out of the game's range");
      out->data.assign(b.begin() + long(body), b.begin() + long(body + length));
      have_data = true;
    }
    at = body + length + (padded && length % 2 ? 1 : 0);
  }
  return have_data || no(why, have_format ? "no sound" : "no format");
}

}  // namespace

std::vector<RefSound> reference_wav(const Bytes &file, std::string *why) {
  std::vector<RefSound> readings;
  std::string why_padded, why_unpadded;
  RefSound a, b;
  if (read_wav(file, true, &a, &why_padded)) readings.push_back(a);
  if (read_wav(file, false, &b, &why_unpadded) &&
      !(readings.size() == 1 && a.data == b.data && a.bits == b.bits && a.channels == b.channels && a.rate == b.rate))
    readings.push_back(b);
  if (readings.empty()) *why = why_padded + " (unpadded: " + why_unpadded + ")";
  return readings;
}

bool same_picture(const BITMAP *loaded, const RefPicture &ref, std::string *why) {
  if (bitmap_color_depth(const_cast<BITMAP *>(loaded)) != 16) return no(why, "not loaded at 16 bits");
  if (loaded->w != ref.w || loaded->h != ref.h)
    return no(why, "loaded as " + std::to_string(loaded->w) + "x" + std::to_string(loaded->h) + ", not " +
                       std::to_string(ref.w) + "x" + std::to_string(ref.h));
  for (int y = 0; y < ref.h; ++y)
    for (int x = 0; x < ref.w; ++x) {
      const unsigned p = reinterpret_cast<const uint16_t *>(loaded->line[y])[x], c = ref.rgb[size_t(y * ref.w + x)];
      const int dr = int(p >> 11) - int(c >> 19), dg = int(p >> 5 & 63) - int(c >> 10 & 63),
                db = int(p & 31) - int(c >> 3 & 31);
      if (abs(dr) > 1 || abs(dg) > 1 || abs(db) > 1) {
        char text[120];
        snprintf(text, sizeof text, "pixel %d,%d is %04x, not near #%06x", x, y, p, c);
        return no(why, text);
      }
    }
  return true;
}

bool same_sound(const SAMPLE *loaded, const RefSound &ref, std::string *why) {
  const size_t frame = size_t(ref.channels * ref.bits / 8);
  if (loaded->bits != ref.bits || (loaded->stereo != 0) != (ref.channels == 2) || loaded->freq != ref.rate ||
      loaded->len != ref.data.size() / frame)
    return no(why, "loaded as " + std::to_string(loaded->bits) + " bits, " + (loaded->stereo ? "stereo" : "mono") +
                       ", " + std::to_string(loaded->freq) + " Hz, " + std::to_string(loaded->len) + " frames");
  const unsigned char *d = static_cast<const unsigned char *>(loaded->data);
  for (size_t i = 0; i < ref.data.size(); ++i) {
    // The library keeps 16-bit samples unsigned: the top bit flipped.
    unsigned char want = ref.bits == 16 && i % 2 ? ref.data[i] ^ 0x80 : ref.data[i];
    if (d[i] != want) return no(why, "sample byte " + std::to_string(i) + " differs");
  }
  return true;
}
