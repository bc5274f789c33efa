// The display: first mode at start-up and the F1 switch.
#pragma once

const int SCREEN_W_PX = 640;
const int SCREEN_H_PX = 480;

// 1 in a window, 0 full screen.
extern int windowed;

// Opens the 640x480 16-bit window; false if the mode cannot be set.
bool open_window();
// Switches between window and full screen. A failed switch goes back to the
// mode that was on; only if that fails too does the program end (status 1).
void toggle_display_mode();
