// The maze part of a game picture: walls, dots and blinking power pills.
//
// The walls never change while the program runs (every maze is a fresh copy
// of the same layout), so they are drawn once into a cached picture and
// copied into each frame; dots and pills are drawn on top every frame. The
// result is pixel for pixel what drawing every cell would give, which
// matters because the wall tests read the picture back.
#pragma once

#include <allegro.h>

// Codes 1 and 4..9: the pieces that make up the walls.
bool is_wall_tile(int code);

// The whole maze, cell by cell in row order, as the picture is defined.
void draw_maze_uncached(BITMAP *target);

// The same picture through the wall cache. The cache only copies the wall
// pixels that are not black, so `target` must be all black over the maze
// (the frame loops clear the back buffer right before composing a frame).
// Falls back to the uncached drawing for a target the cache cannot serve.
void draw_maze_cached(BITMAP *target);

// What draw_frame uses: the cached drawing unless this is false.
extern bool maze_cache_enabled;
void draw_maze(BITMAP *target);

// Drops the cached walls; the next cached drawing builds them anew. Needed
// only when a wall picture changes in place: new wall pictures, a different
// wall layout in the maze or a target of another colour depth are noticed.
void forget_maze_cache();

// How many times the wall cache was built since the program started.
extern int maze_cache_builds;
