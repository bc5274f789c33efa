#include "app/high_score.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

const char *const HIGH_SCORE_FILE = "gobbler.hi";
static const char *const HIGH_SCORE_TEMP = "gobbler.hi.new";

void load_high_score(int32_t *hi) {
  // Only a plain file: opening a pipe of that name would wait forever.
  struct stat st;
  if (stat(HIGH_SCORE_FILE, &st) != 0 || !S_ISREG(st.st_mode)) return;
  FILE *f = fopen(HIGH_SCORE_FILE, "rb");
  if (!f) return;
  unsigned char b[4];
  size_t got = fread(b, 1, sizeof b, f);
  fclose(f);
  if (got != sizeof b) return;
  uint32_t v = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
  *hi = static_cast<int32_t>(v);
}

bool save_high_score(int32_t hi) {
  uint32_t v = static_cast<uint32_t>(hi);
  unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                        static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
  FILE *f = fopen(HIGH_SCORE_TEMP, "wb");
  bool ok = f != nullptr;
  int err = errno;
  if (ok) {
    ok = fwrite(b, 1, sizeof b, f) == sizeof b;
    // On disk before the rename, so a crash cannot leave an empty file.
    ok = fflush(f) == 0 && fsync(fileno(f)) == 0 && ok;
    err = errno;
    ok = fclose(f) == 0 && ok;
    if (ok) {
      ok = rename(HIGH_SCORE_TEMP, HIGH_SCORE_FILE) == 0;
      err = errno;
    }
    if (!ok) remove(HIGH_SCORE_TEMP);
  }
  if (!ok) fprintf(stderr, "gobbler: cannot save the high score %d to \"%s\": %s\n", hi, HIGH_SCORE_FILE, strerror(err));
  return ok;
}
