// --verify: recorded games replayed without a window, as fast as they go.
#pragma once

#include <string>
#include <vector>

// One line per file: its score, level and frames and "verified" on standard
// output, or why not on standard error. 0 when every file is verified, 1
// when one replays to other than it claims, 2 when one cannot be read (or
// the game's own files cannot).
int verify_recordings(const std::vector<std::string> &files, const std::string &data_dir);
