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
// Stores `hi` if it beats the stored record, read again under a lock on the
// file's directory, so that two games in one directory never lower it nor
// remove each other's temporary file; a lock not had within two seconds (a file
// system without locks, a save that hangs) is said on stderr and the save
// goes on without it. While the lock is held and the record written,
// also_save() writes what is kept beside it. The file is never written while
// it exists and cannot be read: it may hold a record. A symbolic link is
// followed and stays a link. The score goes to a temporary file beside the
// target, synced and renamed over it, so the file is never left half
// written; when the directory refuses the temporary, an existing writable
// file is written in place. A file-size limit makes it fail rather than kill
// the game. On failure it says why on stderr, leaves no temporary behind and
// returns false; the game goes on. True when the record was written.
bool save_high_score(int32_t hi, const std::function<void()> &also_save = {});
// Writes `size` bytes as the whole of the file `name` with the same care as
// the record (a link followed, a temporary renamed over it, a size limit
// failing the write): 0, or the errno. Meant for inside also_save.
int store_file(const char *name, const unsigned char *bytes, size_t size);
