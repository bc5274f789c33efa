#include "record/rec_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "game/game_state.h"

const char *const RECORDING_FILE = "gobbler.rec";

static const char MAGIC[8] = {'G', 'O', 'B', 'B', 'L', 'R', 'E', 'C'};
// A run's length past its first byte: at most this many 7-bit groups.
const int MAX_LENGTH_BYTES = 4;

uint32_t state_check_value() {
  const unsigned char *p = reinterpret_cast<const unsigned char *>(&game);
  uint32_t h = 2166136261u;
  for (size_t i = 0; i < sizeof game; ++i) h = (h ^ p[i]) * 16777619u;
  return h;
}

uint32_t crc32_of(const unsigned char *bytes, size_t n, uint32_t crc) {
  static uint32_t table[256];
  if (!table[1])
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
      table[i] = c;
    }
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ bytes[i]) & 0xff] ^ (crc >> 8);
  return ~crc;
}

static void put32(std::vector<unsigned char> *out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<unsigned char>(v >> (8 * i)));
}

static uint32_t get32(const unsigned char *p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// A run: the arrows in the low four bits, the length less one in the next
// three, and when it does not fit, the top bit set and the rest of it in
// 7-bit groups, low first, each but the last with its top bit set.
static void put_run(std::vector<unsigned char> *out, const KeyRun &run) {
  uint32_t n = run.frames - 1;
  unsigned char first = static_cast<unsigned char>((run.arrows & 15) | (n & 7) << 4);
  n >>= 3;
  out->push_back(n ? first | 0x80 : first);
  while (n) {
    unsigned char b = n & 0x7f;
    n >>= 7;
    out->push_back(n ? b | 0x80 : b);
  }
}

std::vector<unsigned char> encode_recording(const Recording &r) {
  std::vector<unsigned char> out(MAGIC, MAGIC + sizeof MAGIC);
  put32(&out, REC_VERSION);
  for (size_t i = 0; i < REC_GAME_VERSION_BYTES; ++i)
    out.push_back(i < r.game_version.size() ? static_cast<unsigned char>(r.game_version[i]) : 0);
  for (int32_t v : {r.hi_score, r.blink_counter, r.fright_timer, r.ghost_points}) put32(&out, static_cast<uint32_t>(v));
  put32(&out, r.frames);
  for (int32_t v : {r.score, r.level, r.lives}) put32(&out, static_cast<uint32_t>(v));
  put32(&out, r.check);
  put32(&out, r.end);
  std::vector<unsigned char> runs;
  for (const KeyRun &run : r.runs)
    if (run.frames) put_run(&runs, run);
  put32(&out, static_cast<uint32_t>(runs.size()));
  out.insert(out.end(), runs.begin(), runs.end());
  put32(&out, crc32_of(out.data(), out.size()));
  return out;
}

static std::string number(size_t n) { return std::to_string(n); }

std::string decode_recording(const unsigned char *bytes, size_t n, Recording *r) {
  if (n < sizeof MAGIC || memcmp(bytes, MAGIC, sizeof MAGIC) != 0) return "not a game recording (no GOBBLREC at its start)";
  if (n < REC_MIN_BYTES) return "cut short: " + number(n) + " bytes, less than the " + number(REC_MIN_BYTES) + " of an empty recording";
  if (n > REC_MAX_BYTES) return "too large: " + number(n) + " bytes, more than " + number(REC_MAX_BYTES);
  uint32_t version = get32(bytes + 8);
  if (version != REC_VERSION)
    return "recording format version " + number(version) + ", but this game reads version " + number(REC_VERSION);
  size_t runs_bytes = get32(bytes + 68);
  if (runs_bytes > n - REC_MIN_BYTES)
    return "cut short: " + number(n) + " bytes, but its header promises " + number(REC_MIN_BYTES + runs_bytes);
  if (runs_bytes < n - REC_MIN_BYTES)
    return "damaged: " + number(n - REC_MIN_BYTES - runs_bytes) + " bytes more than its header says";
  if (crc32_of(bytes, n - 4) != get32(bytes + n - 4)) return "damaged: its CRC-32 does not match its contents";

  Recording got;
  const char *v = reinterpret_cast<const char *>(bytes + 12);
  got.game_version.assign(v, strnlen(v, REC_GAME_VERSION_BYTES));
  got.hi_score = static_cast<int32_t>(get32(bytes + 28));
  got.blink_counter = static_cast<int32_t>(get32(bytes + 32));
  got.fright_timer = static_cast<int32_t>(get32(bytes + 36));
  got.ghost_points = static_cast<int32_t>(get32(bytes + 40));
  got.frames = get32(bytes + 44);
  got.score = static_cast<int32_t>(get32(bytes + 48));
  got.level = static_cast<int32_t>(get32(bytes + 52));
  got.lives = static_cast<int32_t>(get32(bytes + 56));
  got.check = get32(bytes + 60);
  got.end = get32(bytes + 64);
  if (got.end >= REC_END_KINDS) return "damaged: unknown way of ending " + number(got.end);

  const unsigned char *p = bytes + REC_HEADER_BYTES, *end = p + runs_bytes;
  uint64_t total = 0;
  while (p < end) {
    unsigned char first = *p++;
    uint64_t length = (first >> 4) & 7;
    if (first & 0x80) {
      int shift = 3, groups = 0;
      unsigned char b;
      do {
        if (p == end || ++groups > MAX_LENGTH_BYTES) return "damaged: a run of keys breaks off";
        b = *p++;
        length |= uint64_t(b & 0x7f) << shift;
        shift += 7;
      } while (b & 0x80);
    }
    total += length + 1;
    if (total > got.frames) return "damaged: more frames of keys than the " + number(got.frames) + " it claims";
    got.runs.push_back({static_cast<uint8_t>(first & 15), static_cast<uint32_t>(length + 1)});
  }
  if (total != got.frames)
    return "damaged: keys for " + number(total) + " frames, but it claims " + number(got.frames);
  *r = std::move(got);
  return "";
}

std::string load_recording_file(const char *path, Recording *r) {
  // Only a plain file: a pipe could keep the read waiting forever.
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return strerror(errno);
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return "not a regular file";
  }
  // One byte more than it should hold, to see a file larger than allowed.
  size_t expected = static_cast<size_t>(st.st_size) < REC_MAX_BYTES ? static_cast<size_t>(st.st_size) : REC_MAX_BYTES;
  std::vector<unsigned char> bytes(expected + 1);
  size_t got = 0;
  ssize_t n = 1;
  while (got < bytes.size() && (n = read(fd, bytes.data() + got, bytes.size() - got)) > 0) got += n;
  int err = errno;
  close(fd);
  if (n < 0) return strerror(err);
  if (got > REC_MAX_BYTES) return "too large: more than " + number(REC_MAX_BYTES) + " bytes";
  if (got > expected) return "it grew while it was read";
  return decode_recording(bytes.data(), got, r);
}
