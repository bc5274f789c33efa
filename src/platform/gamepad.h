// The first gamepad, read through the library's joystick driver (the Linux
// joystick interface). With no pad the game runs on the keyboard alone.
#pragma once

// One reading of the pad. Axes run from -127 (left, up) to 127 (right, down).
struct PadState {
  int present = 0;  // 0: no pad, or it stopped answering
  int stick_x = 0, stick_y = 0;  // left stick
  int hat_x = 0, hat_y = 0;      // d-pad
  unsigned buttons = 0;          // bit n: button n is down
};

// Button numbers of the Linux joystick interface on the common pad layout.
const int PAD_A = 0;
const int PAD_B = 1;
const int PAD_X = 2;
const int PAD_Y = 3;
const int PAD_BACK = 6;
const int PAD_START = 7;

// Looks for pads; finding none is fine.
void start_gamepad();
// Polls the first pad; every two seconds looks for pads afresh, so that one
// plugged in or pulled out is noticed.
void read_gamepad(PadState *pad);
