// The game's checks against the library's loaders, file by file: the small
// made and damaged files of corpus/ (remade by corpus/make_corpus.py) and the
// game's own. A check must accept a file exactly when the library reads it
// right, as a reader written from the format's rules sees it; "ok-" files
// must be accepted and "bad-" ones refused.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "headless.h"
#include "reference_decode.h"
#include "render/bmp_check.h"
#include "render/wav_check.h"

namespace fs = std::filesystem;
namespace {

// Loads `name` with the library in a child process (which a loader writing
// past its buffers or asking for all memory takes down alone) and tells
// whether it read the file as the reference reader does; *why says how not.
bool library_reads_right(const std::string &name, bool picture, std::string *why) {
  int out[2];
  if (pipe(out) != 0) return *why = "no pipe", false;
  pid_t child = fork();
  if (child == 0) {
    alarm(30);
    close(out[0]);
    const Bytes file = read_bytes(name);
    std::string reason;
    bool right = false;
    if (picture) {
      PALETTE scratch = {};
      BITMAP *loaded = load_bitmap(name.c_str(), scratch);
      RefPicture ref;
      if (!loaded) reason = "the loader gives no picture";
      else if (!reference_bmp(file, &ref, &reason))
        reason = "the loader gives a picture of a file the format's rules refuse: " + reason;
      else right = same_picture(loaded, ref, &reason);
    } else {
      SAMPLE *loaded = load_sample(name.c_str());
      std::string no_reading;
      std::vector<RefSound> readings = reference_wav(file, &no_reading);
      if (!loaded) reason = "the loader gives no sound";
      else if (readings.empty())
        reason = "the loader gives a sound from a file the format's rules refuse: " + no_reading;
      for (const RefSound &r : readings) right = right || (loaded && same_sound(loaded, r, &reason));
    }
    if (write(out[1], reason.data(), reason.size()) < 0) reason.clear();
    _exit(right ? 0 : 1);
  }
  close(out[1]);
  char text[512];
  ssize_t n = child > 0 ? read(out[0], text, sizeof text) : -1;
  close(out[0]);
  *why = n > 0 ? std::string(text, size_t(n)) : "";
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return *why = "cannot start a child", false;
  if (WIFSIGNALED(status)) *why = "the loader died of signal " + std::to_string(WTERMSIG(status));
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs every file of `kind` in corpus/ and data/ through both; returns how many corpus files were "ok-" and "bad-".
std::pair<int, int> agree(const std::string &kind) {
  headless_setup();
  std::vector<fs::path> files;
  for (const fs::path &dir : {fs::path(GOBBLER_TESTS_DIR) / "corpus" / kind, fs::path(GOBBLER_DATA_DIR)})
    for (const auto &entry : fs::directory_iterator(dir))
      if (entry.path().extension() == "." + kind) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  int ok = 0, bad = 0;
  for (const fs::path &file : files) {
    std::string refusal, wrong;
    const bool accepted =
        kind == "bmp" ? check_bmp_file(file.c_str(), &refusal) : check_wav_file(file.c_str(), &refusal);
    const bool right = library_reads_right(file, kind == "bmp", &wrong);
    EXPECT_EQ(accepted, right) << file.filename() << ": the check "
                               << (accepted ? "accepts it" : "refuses it: " + refusal) << ", but "
                               << (right ? "the library reads it right" : wrong);
    const std::string name = file.filename();
    const bool corpus = file.string().find("/corpus/") != std::string::npos;
    if (corpus) ok += name.rfind("ok-", 0) == 0, bad += name.rfind("bad-", 0) == 0;
    EXPECT_EQ(accepted, !corpus || name.rfind("ok-", 0) == 0) << name << ": " << refusal;
    // A refusal is one readable line: no mangled chunk names.
    EXPECT_TRUE(accepted || (!refusal.empty() && refusal.find_first_of("\n?") == std::string::npos)) << refusal;
  }
  return {ok, bad};
}

TEST(LoaderAgreement, PicturesAreAcceptedExactlyWhenTheLibraryReadsThemRight) {
  const auto [ok, bad] = agree("bmp");
  EXPECT_GE(ok, 20);
  EXPECT_GE(bad, 20);
}

TEST(LoaderAgreement, SoundsAreAcceptedExactlyWhenTheLibraryReadsThemRight) {
  const auto [ok, bad] = agree("wav");
  EXPECT_GE(ok, 14);
  EXPECT_GE(bad, 16);
}

// The game's own pictures, whatever bits per pixel they are stored in (the
// title has a colour table, whose entries the library keeps at 6 bits), load
// to exactly the 16-bit colours their 24-bit values give.
TEST(LoaderAgreement, TheGamesPicturesLoadToTheExactColoursOfTheirValues) {
  headless_setup();
  int files = 0, indexed = 0;
  for (const auto &entry : fs::directory_iterator(GOBBLER_DATA_DIR)) {
    if (entry.path().extension() != ".bmp") continue;
    const Bytes file = read_bytes(entry.path());
    RefPicture ref;
    std::string why;
    ASSERT_TRUE(reference_bmp(file, &ref, &why)) << entry.path() << ": " << why;
    PALETTE scratch = {};
    BITMAP *loaded = load_bitmap(entry.path().c_str(), scratch);
    ASSERT_TRUE(loaded) << entry.path();
    int wrong = 0;
    for (int y = 0; y < ref.h; ++y)
      for (int x = 0; x < ref.w; ++x) {
        const uint32_t c = ref.rgb[size_t(y * ref.w + x)];
        wrong += getpixel(loaded, x, y) != int((c >> 19) << 11 | (c >> 10 & 63) << 5 | (c >> 3 & 31));
      }
    EXPECT_EQ(wrong, 0) << entry.path();
    destroy_bitmap(loaded);
    ++files, indexed += file[28] == 8;
  }
  EXPECT_GE(files, 30);
  EXPECT_GE(indexed, 1);  // the title
}

}  // namespace
