// The command line:
// gobbler [--window | --fullscreen] [--scale N] [--mute] [--data DIR] [--help] [--version]
//         [--replay FILE | --verify FILE...]
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct Options {
  bool fullscreen = false;  // start in full screen instead of a window
  int scale = 0;            // window scale, 1 to MAX_SCALE; 0 picks the largest that fits
  bool mute = false;        // start with the sound off
  std::string data_dir;     // where the pictures and sounds are; empty: not given
  std::string replay_file;  // a recorded game to play in the window instead of the title
  std::vector<std::string> verify_files;  // recorded games to check without a window
};

const int MAX_SCALE = 8;

enum OptionsResult {
  OPTIONS_PLAY,        // start the game with these options
  OPTIONS_DONE,        // --help or --version answered: exit 0
  OPTIONS_BAD_USAGE,   // a line and the usage went to `err`: exit 2
};

// Reads argv into *options. --help and --version print to `out`; a bad
// option prints one line naming it, then the usage, to `err`.
OptionsResult parse_options(int argc, char **argv, Options *options, FILE *out, FILE *err);

// Where the pictures and sounds are: --data, else $GOBBLER_DATA when set and
// not empty, else "" (the working directory).
std::string chosen_data_dir(const Options &options);

// The usage and the keys, as --help prints them.
void print_usage(FILE *f);
