#include "game/controls.h"

#include <allegro.h>

#include "game/pause_key.h"
#include "platform/platform.h"

static const int ARROW_KEYS[4] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN};
const unsigned START_BUTTONS = 1u << PAD_A | 1u << PAD_B | 1u << PAD_X | 1u << PAD_Y | 1u << PAD_START;

// What was down at the last reading, to see presses.
static bool pause_was_down = false;  // P or Start
static bool mute_was_down = false;
static unsigned buttons_were_down = 0;
// Arrows the pad put down in key[]: only these does it lift again, so that
// keyboard presses are left alone.
static bool pad_arrow[4] = {false, false, false, false};

static bool button(const PadState &pad, int b) { return (pad.buttons >> b & 1) != 0; }

static void pad_to_arrows(const PadState &pad) {
  bool pushed[4] = {
      pad.stick_x <= -PAD_PUSHED || pad.hat_x <= -PAD_PUSHED,
      pad.stick_x >= PAD_PUSHED || pad.hat_x >= PAD_PUSHED,
      pad.stick_y <= -PAD_PUSHED || pad.hat_y <= -PAD_PUSHED,
      pad.stick_y >= PAD_PUSHED || pad.hat_y >= PAD_PUSHED,
  };
  for (int i = 0; i < 4; ++i) {
    if (pushed[i] && !key[ARROW_KEYS[i]]) {
      key[ARROW_KEYS[i]] = 1;
      pad_arrow[i] = true;
    } else if (!pushed[i] && pad_arrow[i]) {
      key[ARROW_KEYS[i]] = 0;
      pad_arrow[i] = false;
    }
  }
}

Controls read_controls() {
  PadState pad;
  platform.read_pad(&pad);
  // A pad pulled out lets go of everything it held.
  if (!pad.present) pad = PadState();
  pad_to_arrows(pad);
  bool pause_down = key[KEY_P] || button(pad, PAD_START);
  bool mute_down = key[KEY_M];
  Controls in;
  in.focus_lost = platform.focus_lost() != 0;
  bool pause_key = pause_key_pressed(in.focus_lost || key[KEY_F1]);
  unsigned went_down = pad.buttons & ~buttons_were_down;
  in.pause = (pause_down && !pause_was_down) || pause_key;
  in.mute = mute_down && !mute_was_down;
  in.end_game = (went_down >> PAD_BACK & 1) != 0;
  in.start_game = (went_down & START_BUTTONS) != 0;
  pause_was_down = pause_down;
  mute_was_down = mute_down;
  buttons_were_down = pad.buttons;
  return in;
}

void reset_controls() {
  read_controls();
  reset_pause_key();
}

bool end_requested(const Controls &in) { return key[KEY_ESC] || platform.close_requested() || in.end_game; }
