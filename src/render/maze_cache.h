// The maze part of a game picture: walls, dots and blinking power pills.
//
// The walls never change while the program runs (every maze is a fresh copy
// of the same layout), so they are drawn once, cell by cell, into a sprite
// of their own, which each frame draws whole before the dots and pills. That
// is pixel for pixel what drawing every cell in turn gives, which matters
// because the wall probes read the picture back: a wall piece stays inside
// its own 16x16 cell (pictures of another size are refused at loading), so
// no wall drawn later in cell order could have covered a dot or pill drawn
// before it.
//
// The whole background (black, walls, dots and pills) is kept too, and is
// copied whole while no pick-up, pill blink or wall has changed since.
#pragma once

#include <allegro.h>

// Codes 1 and 4..9: the pieces that make up the walls.
bool is_wall_tile(int code);

// The whole maze, cell by cell in row order, as the picture is defined.
void draw_maze_uncached(BITMAP *target);

// The whole target: black, then the maze, from the kept background.
void draw_maze(BITMAP *target);

// draw_maze clears the target and draws every cell as it comes while this
// is false.
extern bool maze_cache_enabled;

// Drops the wall sprite; the next draw_maze draws it anew. Needed only when
// a wall picture changes in place: new wall pictures, a different wall
// layout in the maze or a target of another colour depth are noticed.
void forget_maze_cache();

// How many times the wall sprite was drawn since the program started.
extern int maze_cache_builds;
