// The best score, kept between runs in "gobbler.hi" in the working
// directory: 4 bytes, a little-endian signed 32-bit integer.
#pragma once

#include <cstdint>

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
// behind and returns false; the game goes on.
bool save_high_score(int32_t hi);
