// The command line: what each option sets, and what a bad one prints.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/options.h"

namespace {

struct Parsed {
  OptionsResult result;
  Options options;
  std::string out, err;
};

std::string read_all(FILE *f) {
  std::string s;
  rewind(f);
  for (int c; (c = fgetc(f)) != EOF;) s += char(c);
  fclose(f);
  return s;
}

Parsed parse(std::vector<std::string> args) {
  args.insert(args.begin(), "gobbler");
  std::vector<char *> argv;
  for (std::string &a : args) argv.push_back(&a[0]);
  argv.push_back(nullptr);
  Parsed p;
  FILE *out = tmpfile(), *err = tmpfile();
  p.result = parse_options(int(args.size()), argv.data(), &p.options, out, err);
  p.out = read_all(out), p.err = read_all(err);
  return p;
}

TEST(Options, GoodCommandLinesSetTheModeAndScaleAndPrintNothing) {
  struct Case { std::vector<std::string> args; bool fullscreen; int scale; bool mute; std::string data; };
  for (const Case &c : {Case{{}, false, 0, false, ""}, Case{{"--fullscreen"}, true, 0, false, ""},
                        Case{{"--fullscreen", "--window"}, false, 0, false, ""}, Case{{"--scale", "3"}, false, 3, false, ""},
                        Case{{"--scale=8", "--fullscreen"}, true, 8, false, ""}, Case{{"--scale=1"}, false, 1, false, ""},
                        Case{{"--window", "--scale", "2", "--scale", "5"}, false, 5, false, ""},
                        Case{{"--mute", "--data", "/usr/share/games/gobbler"}, false, 0, true, "/usr/share/games/gobbler"},
                        Case{{"--data=../data", "--scale=2"}, false, 2, false, "../data"}}) {
    Parsed p = parse(c.args);
    EXPECT_EQ(p.result, OPTIONS_PLAY);
    EXPECT_EQ(p.options.fullscreen, c.fullscreen);
    EXPECT_EQ(p.options.scale, c.scale);
    EXPECT_EQ(p.options.mute, c.mute);
    EXPECT_EQ(p.options.data_dir, c.data);
    EXPECT_EQ(p.out + p.err, "");
  }
}

TEST(Options, HelpAndVersionAnswerOnStandardOutput) {
  Parsed help = parse({"--help"}), version = parse({"--scale", "2", "--version"});
  EXPECT_EQ((std::vector<int>{help.result, version.result}), (std::vector<int>{OPTIONS_DONE, OPTIONS_DONE}));
  EXPECT_EQ(help.out.rfind("Usage: gobbler [--window | --fullscreen] [--scale N] [--mute] [--data DIR]", 0), 0u);
  for (const char *word : {"--fullscreen", "--window", "--scale N", "--mute", "--data DIR", "--version", "F1", "Escape",
                           "arrow keys", "P, Pause", "Start", "Back"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  EXPECT_EQ(version.out, "gobbler " GOBBLER_VERSION "\n");
  EXPECT_EQ(help.err + version.err, "");
}

TEST(Options, BadOptionsAndValuesPrintOneLineAndTheUsageOnStandardError) {
  struct Case { std::vector<std::string> args; const char *first_line; };
  for (const Case &c : {Case{{"--scale", "0"}, "gobbler: --scale takes a whole number from 1 to 8, not '0'"},
                        Case{{"--scale=9"}, "gobbler: --scale takes a whole number from 1 to 8, not '9'"},
                        Case{{"--scale", "2x"}, "gobbler: --scale takes a whole number from 1 to 8, not '2x'"},
                        Case{{"--scale", ""}, "gobbler: --scale takes a whole number from 1 to 8, not ''"},
                        Case{{"--scale"}, "gobbler: --scale needs a value"},
                        Case{{"--data"}, "gobbler: --data needs a value"},
                        Case{{"--data="}, "gobbler: --data needs a directory"},
                        Case{{"--big"}, "gobbler: unknown option '--big'"},
                        Case{{"--window=1"}, "gobbler: unknown option '--window=1'"},
                        Case{{"-x"}, "gobbler: unknown option '-x'"},
                        Case{{"play"}, "gobbler: unexpected argument 'play'"}}) {
    Parsed p = parse(c.args);
    EXPECT_EQ(p.result, OPTIONS_BAD_USAGE);
    EXPECT_EQ(p.out, "");
    EXPECT_EQ(p.err.substr(0, p.err.find('\n')), c.first_line);
    EXPECT_EQ(p.err.substr(p.err.find('\n') + 1), parse({"--help"}).out);
  }
}

}  // namespace
