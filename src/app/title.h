// The title screen: the title picture with a parade of the player chased by
// the four ghosts, until a key is pressed.
#pragma once

enum TitleResult { TITLE_START_GAME, TITLE_QUIT };

// Places the parade's actors at their starting points and makes the
// parade's pictures from the loaded ones.
void start_parade();
// One frame of the parade (key tests, compose, present). Returns true when a
// key ends the parade; sets *quit when that key is Escape or the window is
// being closed.
bool parade_frame(bool *quit);
// The paced parade loop.
TitleResult run_title();
