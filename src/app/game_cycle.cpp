#include "app/game_cycle.h"

#include <cstdio>
#include <cstring>

#include "app/high_score.h"
#include "platform/platform.h"
#include "app/title.h"
#include "game/game_loop.h"
#include "game/game_state.h"
#include "record/recorder.h"

// The game that set the record, kept beside it under the same lock.
static void save_recording(const std::vector<unsigned char> &bytes) {
  int err = store_file(RECORDING_FILE, bytes.data(), bytes.size());
  if (err) fprintf(stderr, "gobbler: cannot save the game's recording to \"%s\": %s\n", RECORDING_FILE, strerror(err));
}

int game_in_play = 0;

bool title_and_game() {
  if (run_title() == TITLE_QUIT) return false;
  platform.clear_keybuf();
  game.score = 0;
  load_high_score(&game.hi_score);
  game_in_play = 1;
  play_game();
  game_in_play = 0;
  if (game.score > game.hi_score) {
    std::vector<unsigned char> bytes = encode_recording(recorded_game());
    game.hi_score = game.score;
    save_high_score(game.hi_score, [&bytes] { save_recording(bytes); });
  }
  // Closing the window or a signal during a game ends the program once the
  // score is safe.
  return !platform.close_requested();
}

void run_game_cycle() {
  while (title_and_game()) {
  }
}
