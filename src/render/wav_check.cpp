#include "render/wav_check.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

#include "render/file_check.h"

namespace {

const long long RIFF_HEADER = 12;  // "RIFF", length, "WAVE"
const long long CHUNK_NAME = 4;
const long long CHUNK_LENGTH = 4;
const long long FMT_FIELDS = 16;   // the PCM fields the loader reads
const uint32_t PCM = 1;

bool printable(const unsigned char *name) {
  for (int i = 0; i < 4; ++i)
    if (name[i] < 0x20 || name[i] >= 0x7f) return false;
  return true;
}

bool read_at(FILE *f, long long at, unsigned char *to, size_t n) {
  return fseek(f, long(at), SEEK_SET) == 0 && fread(to, 1, n, f) == n;
}

// Whether chunks taken at their stated lengths, from `at` on, hold a sound:
// the loader's own walk may step over it, but the file is then no longer
// one sound.
bool another_sound(FILE *f, long long size, long long at) {
  unsigned char chunk[CHUNK_NAME + CHUNK_LENGTH];
  for (; size - at >= CHUNK_NAME + CHUNK_LENGTH && read_at(f, at, chunk, sizeof chunk);
       at += CHUNK_NAME + CHUNK_LENGTH + le32(chunk + 4))
    if (memcmp(chunk, "data", 4) == 0) return true;
  return false;
}

// Where the walk is and what it has seen.
struct Walk {
  uint32_t frame = 0;  // bytes per sample frame, once a format is known
  uint32_t rate = 0;
  bool have_data = false;
  // A chunk of odd length followed by a zero byte: a pad byte the loader
  // reads as the start of the next chunk.
  char padded[5] = "";
  long long padded_length = 0;
};

// The reason for a refusal before the sound was found, naming the pad byte
// when one threw the walk off.
__attribute__((format(printf, 3, 4))) bool refuse(const Walk &w, std::string *why, const char *format, ...) {
  if (w.padded[0])
    return fail(why,
                "its \"%s\" chunk of %lld bytes (an odd length) is followed by a pad byte, which the game's sound "
                "loader does not skip; remove the \"%s\" chunk (with its pad byte) or " SAVE_AS_PCM,
                w.padded, w.padded_length, w.padded);
  va_list args;
  va_start(args, format);
  vfail(why, format, args);
  va_end(args);
  return false;
}

// Walks the chunks exactly as the loader reads them: one after the other from
// the RIFF header, each right after the last (no pad bytes), the first 16
// bytes of "fmt " and then the samples of "data" read as they are, to the end
// of the file, where fewer than 4 bytes left end the walk and 4 to 7 bytes
// are read as one more chunk, its length lost. An unusable "fmt " ends the
// loader's reading. The RIFF length is not used by the loader and not checked.
bool check_chunks(FILE *f, long long size, std::string *why) {
  unsigned char riff[RIFF_HEADER];
  if (!read_at(f, 0, riff, sizeof riff) || memcmp(riff, "RIFF", 4) != 0 || memcmp(riff + 8, "WAVE", 4) != 0)
    return fail(why, "not a WAV sound (it does not start with \"RIFF\" and \"WAVE\"); " SAVE_AS_PCM);
  Walk w;
  long long at = RIFF_HEADER;
  while (size - at >= CHUNK_NAME) {
    unsigned char chunk[CHUNK_NAME + CHUNK_LENGTH];
    const bool whole = size - at >= CHUNK_NAME + CHUNK_LENGTH;
    if (!read_at(f, at, chunk, whole ? sizeof chunk : CHUNK_NAME)) return fail(why, "the file cannot be read");
    const long long start = at;
    at = whole ? at + CHUNK_NAME + CHUNK_LENGTH : size;
    // The loader keeps the length in an int (so 2 GB and more is negative and
    // skips nothing); a cut-off length reads as -1.
    const long long length = whole ? int32_t(le32(chunk + 4)) : -1, stated = whole ? le32(chunk + 4) : 0;
    const long long left = size - at;
    const bool named = printable(chunk);

    if (memcmp(chunk, "fmt ", 4) == 0) {
      unsigned char fmt[FMT_FIELDS] = {};
      const bool complete = left >= FMT_FIELDS && read_at(f, at, fmt, sizeof fmt);
      const uint32_t format = complete ? le16(fmt) : 0, channels = le16(fmt + 2), bits = le16(fmt + 14);
      const bool usable = complete && format == PCM && (channels == 1 || channels == 2) && (bits == 8 || bits == 16);
      // Once the sound is read, the loader stops at a format it cannot use
      // and keeps the sound; a usable one changes nothing. Either way the
      // walk goes on, to refuse a second sound in the file.
      if (w.have_data) {
        at += usable ? FMT_FIELDS : 0;
        const long long rest = usable ? length - FMT_FIELDS : stated;
        if (rest > size - at) return true;
        if (rest > 0) at += rest;
        continue;
      }
      if (stated > left)
        return refuse(w, why, "its \"fmt \" chunk of %lld bytes runs past the end of the file (%lld bytes)", stated,
                      size);
      if (!complete || length < FMT_FIELDS)
        return refuse(w, why, "its \"fmt \" chunk is cut short (%lld of %lld bytes); " SAVE_AS_PCM,
                      std::min(stated, left), FMT_FIELDS);
      if (format != PCM)
        return fail(why, "not plain PCM sound (format %u, perhaps compressed or floating point); " SAVE_AS_PCM, format);
      if (channels != 1 && channels != 2) return fail(why, "%u channels; it must be 1 or 2; " SAVE_AS_PCM, channels);
      if (bits != 8 && bits != 16) return fail(why, "%u bits per sample; it must be 8 or 16; " SAVE_AS_PCM, bits);
      w.frame = channels * bits / 8, w.rate = le32(fmt + 4);
      at += FMT_FIELDS;
      // The rest of a longer chunk is skipped below.
    } else if (memcmp(chunk, "data", 4) == 0) {
      if (!whole && w.have_data)
        return fail(why,
                    "it ends in %lld stray bytes starting with \"data\", which the game's sound loader reads as a "
                    "broken second sound; remove them or " SAVE_AS_PCM,
                    size - start);
      if (!whole) return refuse(w, why, "the file is cut short in the header of its \"%s\" chunk", "data");
      if (w.have_data) return fail(why, "it holds more than one \"data\" chunk; " SAVE_AS_PCM);
      if (w.frame == 0)
        return refuse(w, why, "its \"data\" chunk comes before the \"fmt \" chunk; %s", SAVE_AS_PCM);
      if (length == 0) return fail(why, "it holds no sound (its \"data\" chunk is empty)");
      if (length < 0 || length > left)
        return fail(why,
                    "its \"data\" chunk of %u bytes runs past the end of the file (%lld bytes); the file is cut short",
                    le32(chunk + 4), size);
      if (length % w.frame != 0)
        return fail(why, "its %lld data bytes are not a whole number of %u-byte sample frames; " SAVE_AS_PCM, length,
                    w.frame);
      if (w.rate < MIN_SAMPLE_RATE || w.rate > MAX_SAMPLE_RATE)
        return fail(why, "a sample rate of %u Hz is out of range (1000 to 192000); " SAVE_AS_PCM, w.rate);
      w.have_data = true;
      at += length;
      if (another_sound(f, size, at)) return fail(why, "it holds more than one \"data\" chunk; " SAVE_AS_PCM);
      continue;
    }

    // What is left of the chunk is skipped. Before the sound, a chunk must
    // end inside the file; after it, running past the end stops the loader,
    // which is harmless.
    const long long fields = memcmp(chunk, "fmt ", 4) == 0 ? FMT_FIELDS : 0, rest = length - fields;
    if (!w.have_data && stated - fields > size - at) {
      if (!named)
        return refuse(w, why, "a damaged chunk at byte %lld runs past the end of the file (%lld bytes)", start, size);
      return refuse(w, why, "its \"%.4s\" chunk of %lld bytes runs past the end of the file (%lld bytes)",
                    reinterpret_cast<const char *>(chunk), stated, size);
    }
    if (rest > size - at) return true;
    if (rest > 0) at += rest;
    // A pad byte after an odd chunk, written by the book but not skipped by the loader.
    unsigned char next = 1;
    if (!w.have_data && !w.padded[0] && named && rest % 2 == 1 && read_at(f, at, &next, 1) && next == 0) {
      memcpy(w.padded, chunk, 4);
      w.padded_length = length;
    }
  }
  if (w.have_data) return true;
  if (w.frame == 0) return refuse(w, why, "it has no \"fmt \" chunk; %s", SAVE_AS_PCM);
  return refuse(w, why, "it has no \"data\" chunk; %s", SAVE_AS_PCM);
}

}  // namespace

bool check_wav_file(const char *name, std::string *why) {
  std::unique_ptr<FILE, int (*)(FILE *)> file(fopen(name, "rb"), fclose);
  if (!file) return fail(why, "the file cannot be opened");
  struct stat st;
  if (fstat(fileno(file.get()), &st) != 0 || !S_ISREG(st.st_mode)) return fail(why, "it is not a regular file");
  if (st.st_size == 0) return fail(why, "the file is empty");
  return check_chunks(file.get(), st.st_size, why);
}
