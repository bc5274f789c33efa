// The best score, kept between runs in "gobbler.hi" in the working
// directory: 4 bytes, a little-endian signed 32-bit integer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

extern const char *const HIGH_SCORE_FILE;

// Reads the stored best score into *hi. A missing file, or one shorter than
// 4 bytes, leaves *hi as it was; bytes after the fourth are ignored. A file
// that exists but cannot be read (no permission, not a regular file) leaves
// *hi too, and the game says so once a run on stderr.
void load_high_score(int32_t *hi);
// Stores `hi`, replacing all of the file, unless the file exists and cannot
// be read: it may hold a record, so it is never written while it stays so.
// A symbolic link is followed and stays a link. The score goes to a temporary
// file beside the target, synced and renamed over it, so the file is never
// left half written; when the directory refuses the temporary, an existing
// writable file is written in place. A file-size limit makes it fail rather
// than kill the game. On failure it says why on stderr, leaves no temporary
// behind and returns false; the game goes on. Once the score is written,
// also_save() (if given) writes the files kept beside it.
bool save_high_score(int32_t hi, const std::function<void()> &also_save = {});
// Writes n bytes to `name` in the working directory as a save does (a
// symbolic link followed; a temporary "NAME.new" renamed over it; a
// file-size limit fails instead of killing): 0 or the errno.
int store_file(const char *name, const unsigned char *bytes, size_t n);
