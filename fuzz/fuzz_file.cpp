#include "fuzz_file.h"

#include <allegro.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

void start_library() {
  install_allegro(SYSTEM_NONE, &errno, atexit);
  _rgb_r_shift_16 = 11;
  _rgb_g_shift_16 = 5;
  _rgb_b_shift_16 = 0;
  set_color_depth(16);
}

const char *file_holding(const uint8_t *data, size_t size, const char *extension) {
  static std::string name;
  if (name.empty()) {
    const char *dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    name = std::string(dir) + "/gobbler-fuzz-" + std::to_string(getpid()) + extension;
    atexit([] { unlink(name.c_str()); });
  }
  FILE *f = fopen(name.c_str(), "wb");
  if (!f || fwrite(data, 1, size, f) != size || fclose(f) != 0) {
    perror(name.c_str());
    abort();
  }
  return name.c_str();
}

void fault(const char *name, const std::string &what) {
  fprintf(stderr, "\nFAULT: %s\n", what.c_str());
  unlink(name);  // libFuzzer keeps the input itself
  abort();
}

void check_refusal(const char *name, const std::string &why) {
  if (why.empty() || why.find('\n') != std::string::npos) fault(name, "a refusal without a one-line reason: " + why);
}
