// The four ghosts: one pixel a frame, chasers leaning toward the player,
// wanderers turning at random.
#pragma once

const int GHOST_WRAP_LEFT = 500;   // stepping left past 0 lands here
const int GHOST_WRAP_RIGHT = 501;  // stepping right past this lands at 0
// A ghost walled in on every side by sprites gives up for the frame after
// this many tries, instead of hanging the game.
const int GHOST_MAX_TRIES = 64;

void move_ghosts();
