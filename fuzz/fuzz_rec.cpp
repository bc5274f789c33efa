// The recording loader: whatever the bytes, a recording or a one-line
// refusal, never a crash or a hang; what it accepts writes out again as a
// recording of the same game.
#include <cstring>

#include "fuzz_file.h"
#include "record/rec_file.h"

static bool same_game(const Recording &a, const Recording &b) {
  if (a.game_version != b.game_version || a.hi_score != b.hi_score || a.blink_counter != b.blink_counter ||
      a.fright_timer != b.fright_timer || a.ghost_points != b.ghost_points || a.frames != b.frames ||
      a.score != b.score || a.level != b.level || a.lives != b.lives || a.check != b.check || a.end != b.end)
    return false;
  // The same arrows in every frame, however the runs are cut.
  std::vector<uint8_t> fa, fb;
  for (const KeyRun &r : a.runs) fa.insert(fa.end(), r.frames, r.arrows);
  for (const KeyRun &r : b.runs) fb.insert(fb.end(), r.frames, r.arrows);
  return fa == fb;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const char *name = file_holding(data, size, ".rec");
  Recording r;
  std::string why = load_recording_file(name, &r);
  if (!why.empty()) {
    check_refusal(name, why);
    Recording again;
    if (decode_recording(data, size, &again) != why) fault(name, "the file and its bytes are refused differently");
    return 0;
  }
  uint64_t frames = 0;
  for (const KeyRun &run : r.runs) frames += run.frames;
  if (frames != r.frames) fault(name, "an accepted recording's runs do not add up to its frames");
  std::vector<unsigned char> out = encode_recording(r);
  Recording back;
  std::string fault_again = decode_recording(out.data(), out.size(), &back);
  if (!fault_again.empty()) fault(name, "an accepted recording, written out again, is refused: " + fault_again);
  if (!same_game(r, back)) fault(name, "an accepted recording, written out again, holds another game");
  return 0;
}
