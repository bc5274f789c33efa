// The game without a window: the library started with no drivers, 16-bit
// 5-6-5 memory pictures, and a platform table that never waits, shows or
// sounds, so the rules run as fast as the processor goes (--verify).
#pragma once

// Starts the library without a display and sets the game's pixel layout.
void start_without_window();
// Routes the platform table to the stand-ins.
void use_no_window_platform();
