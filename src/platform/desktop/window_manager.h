// Talking to the desktop's window manager about the game's window (X11).
#pragma once

// True when a window manager that speaks the desktop conventions (EWMH) runs
// and can put a window in full screen. Without one (a bare X server) full
// screen is the library's own unmanaged window.
bool window_manager_fullscreens();
// Asks the window manager to put the open window in full screen, or back.
void ask_fullscreen(bool on);
// Notes where the open window's frame is, so that put_window_back() can
// bring a window opened later to the same place.
void note_window_place();
void put_window_back();
// The window's class ("gobbler", "Gobbler") and icon, for task bars and docks.
void name_window();
