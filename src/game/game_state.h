// The one record that carries a game from frame to frame, the level layout
// and the fixed values that the rules, the renderer and the title share.
#pragma once

#include <cstdint>

const int MAZE_ROWS = 32;
const int MAZE_COLS = 32;
const int CELL = 16;   // pixels per maze cell
const int ACTOR = 32;  // pixels per side of an actor's cell
const int GHOSTS = 4;

typedef int32_t Maze[MAZE_ROWS][MAZE_COLS];

// What a maze cell holds (and how it is drawn).
enum TileCode : int32_t {
  TILE_EMPTY = 0,
  TILE_BLOCK = 1,
  TILE_DOT = 2,
  TILE_PILL = 3,
  TILE_BAR_RIGHT_END = 4,  // straight piece as drawn
  TILE_BAR_LEFT_END = 5,   // straight piece, half turn
  TILE_CORNER_TL = 6,      // corner piece as drawn
  TILE_CORNER_TR = 7,      // quarter turn
  TILE_CORNER_BR = 8,      // half turn
  TILE_CORNER_BL = 9,      // three quarter turns
};

enum Direction : int32_t { DIR_UP = 0, DIR_RIGHT = 1, DIR_DOWN = 2, DIR_LEFT = 3 };
enum GhostMode : int32_t { GHOST_NORMAL = 0, GHOST_FRIGHTENED = -1 };
enum FruitState : int32_t { FRUIT_HIDDEN = 0, FRUIT_SHOWN = 1, FRUIT_EATEN = 2 };

// Raw 16-bit pixel values: walls are found by this exact colour.
const int WALL_COLOUR = 0xffe0;
const int DOT_COLOUR = 0xffff;

const int PLAYER_START_X = 240;
const int PLAYER_START_Y = 304;
const int PLAYER_START_DIR = DIR_LEFT;
const int GHOST_HOME_X = 240;
const int GHOST_HOME_Y = 160;
const int GHOST_START_DIR[GHOSTS] = {DIR_UP, DIR_RIGHT, DIR_LEFT, DIR_UP};
const int EATEN_GHOST_DIR = DIR_UP;
const int START_LIVES = 3;
const int FRUIT_X = 244;
const int FRUIT_Y = 212;
const int FRUIT_MIN_LEFT = 65;   // fruit comes out while the pick-ups left
const int FRUIT_MAX_LEFT = 127;  // lie in this range
const int DOT_POINTS = 10;
const int PILL_POINTS = 50;
const int FIRST_GHOST_POINTS = 200;
const int MAX_LEVEL = 127;
const int LEVELS = MAX_LEVEL + 1;
const int FULL_MAZE_PICKUPS = 198;

extern const char *const INITIAL_LAYOUT[MAZE_ROWS];
extern const int32_t FRUIT_POINTS[LEVELS];

struct GameState {
  int32_t level;
  Maze maze;
  int32_t ghost_mode[GHOSTS];
  int32_t ghost_dir[GHOSTS];
  int32_t ghost_y[GHOSTS];
  int32_t ghost_x[GHOSTS];
  int32_t fruit_state;
  int32_t ghost_points;
  int32_t fright_active;  // 0, or -1 while the ghosts are frightened
  int32_t fright_timer;
  int32_t lives;
  int32_t player_dir;
  int32_t player_y;
  int32_t player_x;
  int32_t hi_score;
  int32_t score;
};

// Zero-filled at start-up, never freed.
extern GameState game;

// Reseed the random generator, then lay out a fresh maze.
void reset_maze();
// Player and ghosts back to their start places; fright and fruit off.
void reset_actors();
// Dots and pills left anywhere in the maze.
int count_pickups();
// Frames a power pill frightens the ghosts for at this level.
int fright_length(int level);
