// Every picture and sound of the game, loaded once at start-up from the data
// directory (by default the working directory) and kept until the program
// ends.
#pragma once

#include <allegro.h>

#include <string>

#include "game/game_state.h"

const int PLAYER_FRAMES = 6;

struct AssetSet {
  SAMPLE *eating;
  SAMPLE *dies;
  SAMPLE *fruit_or_pill;
  SAMPLE *intro;
  SAMPLE *eat_ghost;
  BITMAP *title;
  BITMAP *straight_wall;
  BITMAP *wall_corner;
  BITMAP *player[PLAYER_FRAMES];  // facing up; frames 0 1 2 3 2 1
  BITMAP *ghost[GHOSTS][4];       // [ghost][Direction]
  BITMAP *frightened;
  BITMAP *frightened_flash;
  BITMAP *fruit[LEVELS];          // by level
};

extern AssetSet assets;

// Where the pictures and sounds are read from (--data or GOBBLER_DATA); ""
// reads them by bare name from the working directory. The high score is not
// among them: it always stays in the working directory.
void set_data_dir(const std::string &dir);
// The path a game file is read from: in the data directory, made absolute.
std::string asset_path(const std::string &name);

// Loads every slot, in a fixed order, after the display mode is set. On the
// first file that is missing, unreadable or of the wrong size it stops and
// returns false with a one-line explanation in `error`, naming the file by
// the path it was read from.
bool load_assets(std::string *error);
