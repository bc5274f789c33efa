// The pictures and sounds read from a data directory given by --data or
// GOBBLER_DATA, while the high score stays in the working directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/high_score.h"
#include "app/options.h"
#include "headless.h"
#include "render/assets.h"

namespace fs = std::filesystem;
namespace {

bool same_pixels(BITMAP *a, BITMAP *b) {
  bool same = a->w == b->w && a->h == b->h;
  for (int y = 0; same && y < a->h; ++y) same = memcmp(a->line[y], b->line[y], a->w * 2) == 0;
  return same;
}

// A data directory (a copy of data/) and a separate, empty working directory.
class DataDir : public testing::Test {
 protected:
  fs::path root, data, work, home;
  AssetSet good;
  void SetUp() override {
    headless_setup();
    good = assets;
    char dir[] = "/tmp/gobbler-data-dir-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    root = dir, data = root / "share" / "games" / "gobbler", work = root / "home" / "player";
    fs::create_directories(data), fs::create_directories(work);
    fs::copy(GOBBLER_DATA_DIR, data);
    fs::remove(data / "gobbler.hi");  // one left by a game played in data/
    home = fs::current_path();
    fs::current_path(work);
  }
  void TearDown() override {
    set_data_dir("");
    assets = good;  // what a test loaded is left to the end of the program
    fs::current_path(home);
    fs::remove_all(root);
  }
  std::string load() {
    std::string error;
    const bool ok = load_assets(&error);
    EXPECT_EQ(ok, error.empty()) << error;  // a refusal always says why
    return error;
  }
};

TEST_F(DataDir, EveryFileIsReadFromTheDataDirectoryAndNoneFromTheWorkingDirectory) {
  // A working directory holding a broken copy of every file, as an old
  // per-user directory might: none of them may be read.
  for (const auto &entry : fs::directory_iterator(data)) std::ofstream(work / entry.path().filename()) << "stale";
  const std::vector<std::string> spellings = {data.string(), data.string() + "/", "../../share/games/gobbler",
                                              "../../share/./games//gobbler/"};
  for (const std::string &given : spellings) {
    set_data_dir(given);
    EXPECT_EQ(asset_path("intro.bmp"), (data / "intro.bmp").string()) << given;
    ASSERT_EQ(load(), "") << given;
    EXPECT_TRUE(same_pixels(assets.title, good.title) && same_pixels(assets.ghost[3][DIR_LEFT], good.ghost[3][DIR_LEFT]) &&
                same_pixels(assets.fruit[127], good.fruit[127]))
        << given;
    EXPECT_TRUE(assets.eat_ghost->len == good.eat_ghost->len &&
                memcmp(assets.eat_ghost->data, good.eat_ghost->data, good.eat_ghost->len) == 0);
  }
  // Without a data directory the bare names are read from the working
  // directory again: the broken copies there are refused.
  set_data_dir("");
  EXPECT_EQ(asset_path("intro.bmp"), "intro.bmp");
  const std::string error = load();
  EXPECT_EQ(error.rfind("gobbler: cannot load \"eating.wav\": ", 0), 0u) << error;
}

TEST_F(DataDir, AMissingOrDamagedFileIsNamedByItsWholePath) {
  set_data_dir("../../share/games/gobbler");
  const fs::path marno = data / "marno_l.bmp", sound = data / "dies.wav", title = data / "intro.bmp";
  fs::rename(marno, root / "kept.bmp");
  EXPECT_EQ(load(), "gobbler: cannot read \"" + marno.string() + "\": the file is missing or unreadable");
  fs::rename(root / "kept.bmp", marno);
  std::ofstream(sound, std::ios::binary | std::ios::trunc) << "RIFF";
  std::string error = load();
  EXPECT_EQ(error.rfind("gobbler: cannot load \"" + sound.string() + "\": ", 0), 0u) << error;
  fs::copy_file(data_path("dies.wav"), sound, fs::copy_options::overwrite_existing);
  BITMAP *small = create_bitmap(320, 240);
  save_bmp(title.c_str(), small, nullptr);
  destroy_bitmap(small);
  EXPECT_EQ(load(), "gobbler: \"" + title.string() + "\" is 320x240 pixels; it must be 640x480");
  fs::copy_file(data_path("intro.bmp"), title, fs::copy_options::overwrite_existing);
  // A data directory that is not there: the first file is named in it.
  set_data_dir((root / "nowhere").string());
  error = load();
  EXPECT_EQ(error.rfind("gobbler: cannot read \"" + (root / "nowhere" / "eating.wav").string() + "\"", 0), 0u)
      << error;
  // From the working directory, the message says which one that is.
  set_data_dir("");
  for (const auto &entry : fs::directory_iterator(work)) fs::remove(entry.path());
  error = load();
  EXPECT_NE(error.find("\"eating.wav\""), std::string::npos) << error;
  EXPECT_NE(error.find(fs::current_path().string()), std::string::npos) << error;
}

TEST_F(DataDir, TheHighScoreStaysInTheWorkingDirectory) {
  set_data_dir(data.string());
  ASSERT_EQ(load(), "");
  ASSERT_TRUE(save_high_score(12340));
  EXPECT_EQ(fs::file_size(work / "gobbler.hi"), 4u);
  EXPECT_FALSE(fs::exists(data / "gobbler.hi"));
  int32_t hi = 0;
  load_high_score(&hi);
  EXPECT_EQ(hi, 12340);
}

// --data wins over GOBBLER_DATA; an empty variable counts as not set.
TEST(DataDirChoice, TheOptionWinsOverTheEnvironment) {
  const char *before = getenv("GOBBLER_DATA");
  const std::string saved = before ? before : "";
  struct Case { const char *option; const char *environment; std::string chosen; };
  for (const Case &c : {Case{"", nullptr, ""}, Case{"", "", ""}, Case{"", "/opt/g", "/opt/g"},
                        Case{"mine", "/opt/g", "mine"}, Case{"/x/y", nullptr, "/x/y"}}) {
    if (c.environment) setenv("GOBBLER_DATA", c.environment, 1);
    else unsetenv("GOBBLER_DATA");
    std::vector<std::string> args = {"gobbler"};
    if (*c.option) args.insert(args.end(), {"--data", c.option});
    std::vector<char *> argv;
    for (std::string &a : args) argv.push_back(&a[0]);
    Options options;
    FILE *sink = tmpfile();
    ASSERT_EQ(parse_options(int(argv.size()), argv.data(), &options, sink, sink), OPTIONS_PLAY);
    fclose(sink);
    EXPECT_EQ(chosen_data_dir(options), c.chosen) << c.option << " / " << (c.environment ? c.environment : "unset");
  }
  if (before) setenv("GOBBLER_DATA", saved.c_str(), 1);
  else unsetenv("GOBBLER_DATA");
}

}  // namespace
