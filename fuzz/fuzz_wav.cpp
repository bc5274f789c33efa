// The sound path: the game's check, then the library's loader on whatever
// the check accepts, which must give the sound the format's rules give.
#include <allegro.h>

#include "fuzz_file.h"
#include "reference_decode.h"
#include "render/wav_check.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  start_library();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const char *name = file_holding(data, size, ".wav");
  std::string why;
  if (!check_wav_file(name, &why)) {
    check_refusal(name, why);
    return 0;
  }
  SAMPLE *loaded = load_sample(name);
  if (!loaded) fault(name, "the check accepts a sound the library cannot load");
  std::vector<RefSound> readings = reference_wav(Bytes(data, data + size), &why);
  if (readings.empty()) fault(name, "the check accepts a sound the format's rules refuse: " + why);
  bool right = false;
  for (const RefSound &r : readings) right = right || same_sound(loaded, r, &why);
  if (!right) fault(name, "the check accepts a sound the library reads wrong: " + why);
  destroy_sample(loaded);
  return 0;
}
