// Writes recorded games of tests/recordings/ as recording files: each is
// replayed headless as the replay tests do, every frame's check value
// compared, while the game's own recorder keeps the keys; what it kept is
// written out.
//
//   rec_from_text RECORDING.txt OUTPUT.rec
#include <cstdio>
#include <fstream>
#include <string>

#include "../../tests/headless.h"
#include "../record_game/recording.h"
#include "record/recorder.h"

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: rec_from_text RECORDING.txt OUTPUT.rec\n");
    return 2;
  }
  std::ifstream in(argv[1]);
  recording::Recording text;
  std::string error;
  if (!recording::read(in, &text, &error)) {
    fprintf(stderr, "rec_from_text: %s: %s\n", argv[1], error.c_str());
    return 1;
  }
  recording::begin_game();
  bool ended = false;
  for (size_t f = 0; f < text.keys.size() && !ended; ++f) {
    recording::hold_arrows(text.keys[f]);
    ended = game_frame() == FRAME_GAME_ENDED;
    if (recording::check_value() != text.checks[f]) {
      fprintf(stderr, "rec_from_text: %s went differently from frame %zu\n", argv[1], f);
      return 1;
    }
  }
  std::vector<unsigned char> bytes = encode_recording(recorded_game());
  FILE *out = fopen(argv[2], "wb");
  if (!out || fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || fclose(out) != 0) {
    fprintf(stderr, "rec_from_text: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
