#include "app/options.h"

#include <getopt.h>

#include <cstdlib>
#include <cstring>

#ifndef GOBBLER_VERSION
#error "GOBBLER_VERSION comes from the project's version in CMakeLists.txt"
#endif

static const char USAGE[] =
    "Usage: gobbler [--window | --fullscreen] [--scale N] [--mute] [--data DIR]\n"
    "               [--help] [--version]\n"
    "       gobbler --replay FILE [--window | --fullscreen] [--scale N] [--mute] [--data DIR]\n"
    "       gobbler --verify FILE... [--data DIR]\n"
    "\n"
    "Eat every dot in the maze and keep away from the ghosts.\n"
    "\n"
    "Options:\n"
    "  --window       start in a window (the default)\n"
    "  --fullscreen   start in full screen\n"
    "  --scale N      show the picture N times as large, 1 to 8 (default: the\n"
    "                 largest that fits the desktop)\n"
    "  --mute         start with the sound off\n"
    "  --data DIR     read the pictures and sounds from DIR (default: $GOBBLER_DATA,\n"
    "                 else the working directory)\n"
    "  --replay FILE  play the recorded game in FILE (gobbler.rec keeps the game\n"
    "                 that set the high score) in the window, then exit: P pauses,\n"
    "                 the right arrow held plays it at 4x, Escape stops\n"
    "  --verify FILE...  replay each recorded game without a window, as fast as\n"
    "                 it goes, and print its score: exit 0 when every one reaches\n"
    "                 what it claims, 1 when one does not, 2 when one cannot be read\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "Keys:\n"
    "  arrow keys     steer; on the title screen, start a game\n"
    "  P, Pause       pause and resume the game\n"
    "  M              turn the sound off and on (in a game)\n"
    "  F1             switch between window and full screen\n"
    "  Escape         end the game; on the title screen, quit\n"
    "  any other key  start a game (on the title screen)\n"
    "\n"
    "Gamepad:\n"
    "  d-pad, left stick   steer\n"
    "  A, B, X, Y, Start   start a game (on the title screen)\n"
    "  Start               pause and resume the game\n"
    "  Back                end the game\n";

void print_usage(FILE *f) { fputs(USAGE, f); }

std::string chosen_data_dir(const Options &options) {
  if (!options.data_dir.empty()) return options.data_dir;
  const char *from_environment = getenv("GOBBLER_DATA");
  return from_environment ? from_environment : "";
}

static OptionsResult bad_usage(FILE *err, const char *what) {
  fprintf(err, "gobbler: %s\n", what);
  print_usage(err);
  return OPTIONS_BAD_USAGE;
}

// A whole number from 1 to MAX_SCALE, nothing else.
static bool read_scale(const char *text, int *scale) {
  char *end = nullptr;
  long n = strtol(text, &end, 10);
  if (end == text || *end != '\0' || n < 1 || n > MAX_SCALE) return false;
  *scale = static_cast<int>(n);
  return true;
}

OptionsResult parse_options(int argc, char **argv, Options *options, FILE *out, FILE *err) {
  enum { OPT_WINDOW = 256, OPT_FULLSCREEN, OPT_SCALE, OPT_MUTE, OPT_DATA, OPT_HELP, OPT_VERSION, OPT_REPLAY, OPT_VERIFY };
  static const option LONG_OPTIONS[] = {
      {"window", no_argument, nullptr, OPT_WINDOW},   {"fullscreen", no_argument, nullptr, OPT_FULLSCREEN},
      {"scale", required_argument, nullptr, OPT_SCALE}, {"mute", no_argument, nullptr, OPT_MUTE},
      {"data", required_argument, nullptr, OPT_DATA},   {"help", no_argument, nullptr, OPT_HELP},
      {"version", no_argument, nullptr, OPT_VERSION},  {"replay", required_argument, nullptr, OPT_REPLAY},
      {"verify", required_argument, nullptr, OPT_VERIFY}, {nullptr, 0, nullptr, 0},
  };
  optind = 0;  // start afresh, also when called again
  opterr = 0;  // the messages below say it in one line
  char message[256];
  for (;;) {
    int c = getopt_long(argc, argv, "", LONG_OPTIONS, nullptr);
    if (c == -1) break;
    switch (c) {
      case OPT_WINDOW:
        options->fullscreen = false;
        break;
      case OPT_FULLSCREEN:
        options->fullscreen = true;
        break;
      case OPT_SCALE:
        if (!read_scale(optarg, &options->scale)) {
          snprintf(message, sizeof message, "--scale takes a whole number from 1 to %d, not '%s'", MAX_SCALE, optarg);
          return bad_usage(err, message);
        }
        break;
      case OPT_MUTE:
        options->mute = true;
        break;
      case OPT_DATA:
        if (*optarg == '\0') return bad_usage(err, "--data needs a directory");
        options->data_dir = optarg;
        break;
      case OPT_REPLAY:
      case OPT_VERIFY:
        if (*optarg == '\0') return bad_usage(err, c == OPT_REPLAY ? "--replay needs a file" : "--verify needs a file");
        if (c == OPT_REPLAY) options->replay_file = optarg;
        else options->verify_files.assign(1, optarg);
        break;
      case OPT_HELP:
        print_usage(out);
        return OPTIONS_DONE;
      case OPT_VERSION:
        fprintf(out, "gobbler %s\n", GOBBLER_VERSION);
        return OPTIONS_DONE;
      default: {
        // getopt has stepped past the word it could not take.
        const char *word = optind > 0 && optind <= argc ? argv[optind - 1] : "?";
        static const char *const NEEDS_VALUE[] = {"--scale", "--data", "--replay", "--verify"};
        static const int WITH_VALUE[] = {OPT_SCALE, OPT_DATA, OPT_REPLAY, OPT_VERIFY};
        const char *needs = nullptr;
        for (int i = 0; i < 4; ++i)
          if (optopt == WITH_VALUE[i]) needs = NEEDS_VALUE[i];
        if (needs)
          snprintf(message, sizeof message, "%s needs a value", needs);
        else
          snprintf(message, sizeof message, "unknown option '%s'", word);
        return bad_usage(err, message);
      }
    }
  }
  // More files to verify may follow the first.
  if (!options->verify_files.empty())
    while (optind < argc) options->verify_files.push_back(argv[optind++]);
  if (!options->verify_files.empty() && !options->replay_file.empty())
    return bad_usage(err, "--replay and --verify do not go together");
  if (optind < argc) {
    snprintf(message, sizeof message, "unexpected argument '%s'", argv[optind]);
    return bad_usage(err, message);
  }
  return OPTIONS_PLAY;
}
