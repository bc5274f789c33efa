#include "game/pause.h"

#include <allegro.h>

#include "game/display_key.h"
#include "platform/platform.h"

int game_paused = 0;

void show_pause_box() {
  // On the game-over box's rows, so that ending a paused game covers this
  // box with that one.
  show_box(" PAUSED ");
}

bool update_pause(const Controls &in) {
  int was_paused = game_paused;
  if (in.pause) game_paused = !game_paused;
  if (in.focus_lost) game_paused = 1;
  if (game_paused && !was_paused) show_pause_box();
  return game_paused;
}

FrameResult paused_frame(const Controls &in) {
  if (display_key_pressed()) {
    platform.toggle_display();
    // The new mode starts with whatever it shows: put the picture back.
    show_pause_box();
  }
  if (end_requested(in)) {
    game_paused = 0;
    show_game_over();
    return FRAME_GAME_ENDED;
  }
  return FRAME_GO_ON;
}
