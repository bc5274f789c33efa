// The display: the first mode at start-up, the window's scale and the F1
// switch between a window and full screen.
#pragma once

const int SCREEN_W_PX = 640;
const int SCREEN_H_PX = 480;

// 1 in a window, 0 full screen.
extern int windowed;

// Opens a window at `scale` (0: the largest that fits the desktop), falling
// back to smaller ones, or full screen. The screen takes the desktop's colour
// depth; what the game loads and draws stays 16-bit 5-6-5. False if no mode
// can be set at all.
bool open_display(bool fullscreen, int scale);
// Switches between window and full screen. A failed switch goes back to the
// mode that was on; only if that fails too does the program end (status 1).
void toggle_display_mode();
// Sends what was drawn on the screen to the display now.
void flush_display();

// The largest whole scale whose window fits a desktop of w x h with about a
// tenth of its height left for panels and the title bar; at least 1.
int window_scale_for(int desktop_w, int desktop_h);
// The largest whole scale at which the picture fits a w x h screen; at least 1.
int fullscreen_scale_for(int w, int h);
