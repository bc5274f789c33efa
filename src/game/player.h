// Wall probes and the player's steering and movement.
#pragma once

// True when an actor with its cell corner at (x, y) may step toward `side`
// (a Direction): the 31-pixel strip just outside that side of its cell, in
// the picture composed this frame, holds no pixel of the wall colour. A side
// not aligned on the 16-pixel grid across its direction is blocked.
bool probe_clear(int side, int x, int y);

// Arrow keys turn the player where the way is open; later keys win.
void steer_player();
// One pixel along the player's direction, wrapping through the side tunnel.
void move_player();

const int PLAYER_WRAP_LEFT = 8;    // stepping left past this lands at 480
const int PLAYER_WRAP_RIGHT = 480;
