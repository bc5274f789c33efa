#include "platform/gamepad.h"

#include <allegro.h>

// The library pairs the pad's axes into sticks in the joystick interface's
// order: on the common layout the left stick is axes 0 and 1, the d-pad
// axes 6 and 7 (the fourth pair). A pad with only two axes steers with them.
const int LEFT_STICK = 0;
const int DPAD_STICK = 3;
// Frames between two fresh looks for pads (two seconds).
const int PAD_SEARCH_FRAMES = 120;

static int frames_since_search = 0;

void start_gamepad() { install_joystick(JOY_TYPE_AUTODETECT); }

static bool read_stick(const JOYSTICK_INFO &j, int s, int *x, int *y) {
  if (s >= j.num_sticks || j.stick[s].num_axis < 2) return false;
  *x = j.stick[s].axis[0].pos;
  *y = j.stick[s].axis[1].pos;
  return true;
}

void read_gamepad(PadState *pad) {
  *pad = PadState();
  // The driver tells of no pad coming or going, and one pulled out keeps
  // answering with its last state; looking afresh now and then finds both.
  // The joystick interface reports a pad's whole state when it is opened, so
  // nothing held is lost (about 0.1 ms a look).
  if (++frames_since_search >= PAD_SEARCH_FRAMES) {
    frames_since_search = 0;
    remove_joystick();
    install_joystick(JOY_TYPE_AUTODETECT);
  }
  if (num_joysticks < 1 || poll_joystick() != 0) return;
  const JOYSTICK_INFO &j = joy[0];
  read_stick(j, LEFT_STICK, &pad->stick_x, &pad->stick_y);
  read_stick(j, DPAD_STICK, &pad->hat_x, &pad->hat_y);
  for (int b = 0; b < j.num_buttons && b < 32; ++b)
    if (j.button[b].b) pad->buttons |= 1u << b;
  pad->present = 1;
}
