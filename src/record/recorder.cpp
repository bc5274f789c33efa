#include "record/recorder.h"

#include <allegro.h>

#include "game/game_state.h"
#include "render/draw_frame.h"

#ifndef GOBBLER_VERSION
#error "GOBBLER_VERSION comes from the project's version in CMakeLists.txt"
#endif

static Recording current;

void record_game_start() {
  current = Recording();
  current.game_version = GOBBLER_VERSION;
  current.hi_score = game.hi_score;
  current.blink_counter = blink_counter;
  current.fright_timer = game.fright_timer;
  current.ghost_points = game.ghost_points;
}

void record_frame() {
  uint8_t arrows = (key[KEY_LEFT] ? REC_LEFT : 0) | (key[KEY_RIGHT] ? REC_RIGHT : 0) | (key[KEY_UP] ? REC_UP : 0) |
                   (key[KEY_DOWN] ? REC_DOWN : 0);
  ++current.frames;
  // A run stays within what its coding holds.
  if (!current.runs.empty() && current.runs.back().arrows == arrows && current.runs.back().frames < (1u << 31))
    ++current.runs.back().frames;
  else
    current.runs.push_back({arrows, 1});
}

void record_game_end(uint32_t how) { current.end = how; }

Recording recorded_game() {
  Recording r = current;
  r.score = game.score;
  r.level = game.level;
  r.lives = game.lives;
  r.check = state_check_value();
  return r;
}
