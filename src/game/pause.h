// Pausing a game: no rule runs and no random number is drawn; the picture
// stays with a " PAUSED " box over it until the player resumes.
#pragma once

#include "game/controls.h"
#include "game/game_loop.h"

// 1 while the game is paused.
extern int game_paused;

// At the top of a game frame: a pause press toggles the pause, a lost focus
// pauses (regaining it does not resume). Shows the box on pausing. True while
// paused: the frame is then paused_frame's.
bool update_pause(const Controls &in);
// A frame of the paused game: F1 still switches the display, Escape, the
// close button and the pad's Back still end the game.
FrameResult paused_frame(const Controls &in);
// The " PAUSED " box over the picture on show.
void show_pause_box();
