// Composes one complete game picture into the back buffer. The picture is
// more than a display: the wall tests read it back pixel by pixel.
#pragma once

#include <allegro.h>

// The off-screen picture every frame is composed in (640x480).
extern BITMAP *back_buffer;

// Counts frames for the power pills' blinking; kept across games.
extern int blink_counter;

void draw_frame();

// Player picture for a position along its way: frames 0 1 2 3 2 1 as it moves.
int player_frame(int along);
// Draws a player frame facing `dir` with its corner at (x, y).
void draw_player(BITMAP *target, int frame, int dir, int x, int y);
