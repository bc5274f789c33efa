// The picture path: the game's check, then the library's loader on whatever
// the check accepts, which must give the picture the format's rules give.
#include <allegro.h>

#include "fuzz_file.h"
#include "reference_decode.h"
#include "render/bmp_check.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  start_library();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const char *name = file_holding(data, size, ".bmp");
  std::string why;
  if (!check_bmp_file(name, &why)) {
    check_refusal(name, why);
    return 0;
  }
  PALETTE scratch = {};
  BITMAP *loaded = load_bitmap(name, scratch);
  if (!loaded) fault(name, "the check accepts a picture the library cannot load");
  RefPicture ref;
  if (!reference_bmp(Bytes(data, data + size), &ref, &why))
    fault(name, "the check accepts a picture the format's rules refuse: " + why);
  if (!same_picture(loaded, ref, &why)) fault(name, "the check accepts a picture the library reads wrong: " + why);
  destroy_bitmap(loaded);
  return 0;
}
