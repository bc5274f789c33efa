#include "render/wav_check.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

#include "render/file_check.h"

namespace {

const long long RIFF_HEADER = 12;  // "RIFF", length, "WAVE"
const long long CHUNK_HEADER = 8;  // name, length
const uint32_t FMT_LENGTH = 16;    // the PCM fields the loader reads
const uint32_t PCM = 1;

// A chunk name fit for a one-line message.
std::string printable(const unsigned char *name) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += name[i] >= 0x20 && name[i] < 0x7f ? char(name[i]) : '?';
  return s;
}

bool read_at(FILE *f, long long at, unsigned char *to, size_t n) {
  return fseek(f, long(at), SEEK_SET) == 0 && fread(to, 1, n, f) == n;
}

// Walks the chunks the way the loader does: one after the other from the
// RIFF header, each right after the last (no pad bytes), reading the fixed
// PCM fields of "fmt " and the samples of "data". The RIFF length is not
// used by the loader and not checked.
bool check_chunks(FILE *f, long long size, std::string *why) {
  unsigned char riff[RIFF_HEADER];
  if (!read_at(f, 0, riff, sizeof riff) || memcmp(riff, "RIFF", 4) != 0 || memcmp(riff + 8, "WAVE", 4) != 0)
    return fail(why, "not a WAV sound (it does not start with \"RIFF\" and \"WAVE\")");
  uint32_t frame = 0;  // bytes per sample frame, once the format is known
  bool have_data = false;
  unsigned char chunk[CHUNK_HEADER];
  for (long long at = RIFF_HEADER; at + CHUNK_HEADER <= size; at += CHUNK_HEADER + le32(chunk + 4)) {
    if (!read_at(f, at, chunk, sizeof chunk)) return fail(why, "the file cannot be read");
    uint32_t length = le32(chunk + 4);
    if (length > size - at - CHUNK_HEADER)
      return fail(why, "its \"%s\" chunk of %u bytes runs past the end of the file (%lld bytes)",
                  printable(chunk).c_str(), length, size);
    if (memcmp(chunk, "fmt ", 4) == 0) {
      unsigned char fmt[FMT_LENGTH];
      if (length < FMT_LENGTH || !read_at(f, at + CHUNK_HEADER, fmt, sizeof fmt))
        return fail(why, "its \"fmt \" chunk is cut short (%u bytes)", length);
      uint32_t format = le16(fmt), channels = le16(fmt + 2), rate = le32(fmt + 4), bits = le16(fmt + 14);
      if (format != PCM) return fail(why, "not plain PCM sound (format %u)", format);
      if (channels != 1 && channels != 2) return fail(why, "%u channels; it must be 1 or 2", channels);
      if (bits != 8 && bits != 16) return fail(why, "%u bits per sample; it must be 8 or 16", bits);
      if (rate < MIN_SAMPLE_RATE || rate > MAX_SAMPLE_RATE)
        return fail(why, "a sample rate of %u Hz is out of range (1000 to 192000)", rate);
      frame = channels * bits / 8;
    } else if (memcmp(chunk, "data", 4) == 0) {
      if (frame == 0) return fail(why, "its \"data\" chunk comes before the \"fmt \" chunk");
      if (have_data) return fail(why, "it holds more than one \"data\" chunk");
      if (length == 0) return fail(why, "it holds no sound");
      if (length % frame != 0)
        return fail(why, "its %u data bytes are not a whole number of %u-byte sample frames", length, frame);
      have_data = true;
    }
  }
  if (frame == 0) return fail(why, "it has no \"fmt \" chunk");
  if (!have_data) return fail(why, "it has no \"data\" chunk");
  return true;
}

}  // namespace

bool check_wav_file(const char *name, std::string *why) {
  FILE *f = fopen(name, "rb");
  if (!f) return fail(why, "the file cannot be opened");
  struct stat st;
  bool ok;
  if (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode))
    ok = fail(why, "it is not a regular file");
  else if (st.st_size == 0)
    ok = fail(why, "the file is empty");
  else
    ok = check_chunks(f, st.st_size, why);
  fclose(f);
  return ok;
}
