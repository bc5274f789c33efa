#include "game/game_loop.h"

#include <allegro.h>

#include <cstring>
#include <string>

#include "platform/platform.h"
#include "game/controls.h"
#include "game/display_key.h"
#include "game/game_state.h"
#include "game/ghosts.h"
#include "game/pause.h"
#include "game/pickups.h"
#include "game/player.h"
#include "game/sound.h"
#include "record/recorder.h"
#include "render/assets.h"
#include "render/draw_frame.h"

const int START_PAUSE_MS = 3000;
const int DEATH_PAUSE_MS = 2000;
const int LEVEL_PAUSE_MS = 2000;
const int GAME_OVER_PAUSE_MS = 2000;

void show_box(const char *text) {
  BITMAP *s = platform.display();
  int bg = makecol(255, 255, 255);
  std::string blank(strlen(text), ' ');
  textprintf_centre_ex(s, font, 256, 160, 2, bg, "%s", blank.c_str());
  textprintf_centre_ex(s, font, 256, 168, 2, bg, "%s", text);
  textprintf_centre_ex(s, font, 256, 176, 2, bg, "%s", blank.c_str());
  platform.show_display();
}

void show_game_over() {
  show_box(" GAME OVER ");
  platform.vsync();
  platform.rest(GAME_OVER_PAUSE_MS);
}

// The picture of the game as it stands, which the next frame's rules read.
// The maze is drawn over the whole picture, black where nothing is.
static void compose() { draw_frame(); }

// Composes the game as it stands and shows it.
static void show_game() {
  compose();
  platform.present(back_buffer);
}

void start_game() {
  game.lives = START_LIVES;
  game.level = 0;
  reset_actors();
  reset_maze();
  game_paused = 0;
  // Taps from before the game are not its.
  platform.hold_taps(false);
  reset_controls();
  record_game_start();
  show_game();
  play_sound(assets.intro);
  platform.rest(START_PAUSE_MS);
  // Composed again, as a frame's end does, for the first frame to read.
  compose();
}

static bool player_caught() {
  int tile_x = game.player_x / CELL;
  int tile_y = game.player_y / CELL;
  for (int k = 0; k < GHOSTS; ++k)
    if (game.ghost_mode[k] == GHOST_NORMAL && game.ghost_x[k] / CELL == tile_x && game.ghost_y[k] / CELL == tile_y)
      return true;
  return false;
}

FrameResult game_frame() {
  platform.hold_taps(true);
  Controls in = read_controls();
  if (in.mute) toggle_mute();
  if (update_pause(in)) {
    FrameResult paused = paused_frame(in);
    if (paused == FRAME_GAME_ENDED) record_game_end(REC_END_WHILE_PAUSED);
    return paused;
  }
  record_frame();

  // The rules read the picture composed at the end of the last frame; this
  // frame's is composed and shown once they are done, so that a move shows
  // on the tick that made it.
  steer_player();
  move_player();

  if (display_key_pressed()) platform.toggle_display();

  eat_dots_and_pills();
  update_fruit();
  if (game.fright_active == -1) run_fright();

  // A game that ends shows the score it ends with under the box.
  if (end_requested(in)) {
    record_game_end(REC_END_BY_PLAYER);
    show_game();
    show_game_over();
    return FRAME_GAME_ENDED;
  }

  if (player_caught()) {
    play_sound(assets.dies);
    platform.rest(DEATH_PAUSE_MS);
    game.lives -= 1;
    if (game.lives == 0) {
      record_game_end(REC_END_LAST_LIFE);
      // The box over the place the last life was lost, once for the lost
      // game and once more as the game ends.
      show_game();
      reset_actors();
      show_game_over();
      show_game_over();
      return FRAME_GAME_ENDED;
    }
    reset_actors();
  }

  if (count_pickups() == 0) {
    platform.rest(LEVEL_PAUSE_MS);
    reset_actors();
    if (game.level < MAX_LEVEL) game.level += 1;
    reset_maze();
  }

  move_ghosts();
  show_game();
  return FRAME_GO_ON;
}

void play_game() {
  start_game();
  for (;;) {
    int t = platform.ticks();
    if (game_frame() == FRAME_GAME_ENDED) break;
    platform.wait_tick(t);
  }
  // An Escape tapped to end the game does not also quit on the title.
  platform.hold_taps(false);
}
