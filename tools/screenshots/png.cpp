#include "png.h"

#include <array>
#include <cstdio>

namespace {

// Deflate writes its bits least significant first into each byte.
class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t> *out) : out_(out) {}
  void bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      if (value >> i & 1) acc_ |= 1u << filled_;
      if (++filled_ == 8) flush_byte();
    }
  }
  // Huffman codes go in from their most significant bit.
  void code(uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) bits(value >> i & 1, 1);
  }
  void finish() {
    if (filled_ > 0) flush_byte();
  }

 private:
  void flush_byte() {
    out_->push_back(static_cast<uint8_t>(acc_));
    acc_ = 0;
    filled_ = 0;
  }
  std::vector<uint8_t> *out_;
  uint32_t acc_ = 0;
  int filled_ = 0;
};

const int LENGTH_BASE[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int LENGTH_EXTRA[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int DIST_BASE[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                           193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int DIST_EXTRA[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// A symbol of the literal/length alphabet in the fixed code.
void put_symbol(BitWriter &w, int symbol) {
  if (symbol < 144)
    w.code(0x30 + symbol, 8);
  else if (symbol < 256)
    w.code(0x190 + symbol - 144, 9);
  else if (symbol < 280)
    w.code(symbol - 256, 7);
  else
    w.code(0xc0 + symbol - 280, 8);
}

void put_match(BitWriter &w, int length, int distance) {
  int l = 28;
  while (LENGTH_BASE[l] > length) --l;
  put_symbol(w, 257 + l);
  w.bits(length - LENGTH_BASE[l], LENGTH_EXTRA[l]);
  int d = 29;
  while (DIST_BASE[d] > distance) --d;
  w.code(d, 5);
  w.bits(distance - DIST_BASE[d], DIST_EXTRA[d]);
}

const int WINDOW = 32768;
const int MIN_MATCH = 3;
const int MAX_MATCH = 258;
const int HASH_BITS = 15;
const int MAX_CHAIN = 128;

uint32_t hash3(const uint8_t *p) { return ((p[0] << 16 | p[1] << 8 | p[2]) * 2654435761u) >> (32 - HASH_BITS); }

void deflate_fixed(const std::vector<uint8_t> &data, std::vector<uint8_t> *out) {
  BitWriter w(out);
  w.bits(1, 1);  // the last block
  w.bits(1, 2);  // fixed codes
  const int n = static_cast<int>(data.size());
  std::vector<int> head(1 << HASH_BITS, -1);
  std::vector<int> prev(WINDOW, -1);
  auto insert = [&](int i) {
    if (i + MIN_MATCH > n) return;
    uint32_t h = hash3(&data[i]);
    prev[i % WINDOW] = head[h];
    head[h] = i;
  };
  int i = 0;
  while (i < n) {
    int best_len = 0, best_dist = 0;
    if (i + MIN_MATCH <= n) {
      int limit = n - i < MAX_MATCH ? n - i : MAX_MATCH;
      int chain = MAX_CHAIN;
      for (int j = head[hash3(&data[i])]; j >= 0 && i - j <= WINDOW - 1 && chain-- > 0; j = prev[j % WINDOW]) {
        int len = 0;
        while (len < limit && data[j + len] == data[i + len]) ++len;
        if (len > best_len) {
          best_len = len;
          best_dist = i - j;
          if (len == limit) break;
        }
      }
    }
    if (best_len >= MIN_MATCH) {
      put_match(w, best_len, best_dist);
      for (int k = 0; k < best_len; ++k) insert(i + k);
      i += best_len;
    } else {
      put_symbol(w, data[i]);
      insert(i);
      ++i;
    }
  }
  put_symbol(w, 256);
  w.finish();
}

uint32_t adler32(const std::vector<uint8_t> &data) {
  uint32_t a = 1, b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

uint32_t crc32(const uint8_t *p, size_t n, uint32_t crc = 0) {
  static std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t k = 0; k < 256; ++k) {
      uint32_t c = k;
      for (int j = 0; j < 8; ++j) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
      t[k] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t k = 0; k < n; ++k) crc = table[(crc ^ p[k]) & 0xff] ^ (crc >> 8);
  return ~crc;
}

void put_be32(std::vector<uint8_t> *out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out->push_back(static_cast<uint8_t>(v >> shift));
}

void put_chunk(std::vector<uint8_t> *out, const char type[4], const std::vector<uint8_t> &body) {
  put_be32(out, static_cast<uint32_t>(body.size()));
  size_t start = out->size();
  out->insert(out->end(), type, type + 4);
  out->insert(out->end(), body.begin(), body.end());
  put_be32(out, crc32(out->data() + start, out->size() - start));
}

}  // namespace

std::vector<uint8_t> zlib_compress(const std::vector<uint8_t> &data) {
  std::vector<uint8_t> out = {0x78, 0x01};  // deflate, 32K window, no dictionary
  deflate_fixed(data, &out);
  put_be32(&out, adler32(data));
  return out;
}

std::vector<uint8_t> encode_png(int width, int height, const std::vector<uint8_t> &rgb) {
  // Every row with the "Sub" filter: runs of one colour become runs of zeros.
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(height) * (1 + 3 * width));
  for (int y = 0; y < height; ++y) {
    raw.push_back(1);
    const uint8_t *row = &rgb[static_cast<size_t>(y) * 3 * width];
    for (int x = 0; x < 3 * width; ++x) raw.push_back(static_cast<uint8_t>(row[x] - (x >= 3 ? row[x - 3] : 0)));
  }
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<uint8_t> header;
  put_be32(&header, static_cast<uint32_t>(width));
  put_be32(&header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, adaptive filters, no interlace
  put_chunk(&png, "IHDR", header);
  put_chunk(&png, "IDAT", zlib_compress(raw));
  put_chunk(&png, "IEND", {});
  return png;
}

bool write_file(const std::string &path, const std::vector<uint8_t> &bytes) {
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}
