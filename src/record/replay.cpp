#include "record/replay.h"

#include <allegro.h>

#include "game/game_state.h"
#include "game/pause.h"
#include "render/draw_frame.h"

void start_replay(Replay *p, const Recording &r) {
  *p = Replay();
  p->recording = &r;
  game.score = 0;
  game.hi_score = r.hi_score;
  game.fright_timer = r.fright_timer;
  game.ghost_points = r.ghost_points;
  blink_counter = r.blink_counter;
  game_paused = 0;
  key[KEY_LEFT] = key[KEY_RIGHT] = key[KEY_UP] = key[KEY_DOWN] = key[KEY_ESC] = 0;
  start_game();
}

bool replay_frames_left(const Replay &p) { return !p.ended && p.frame < p.recording->frames; }

FrameResult replay_frame(Replay *p) {
  const Recording &r = *p->recording;
  while (p->run < r.runs.size() && p->run_done == r.runs[p->run].frames) ++p->run, p->run_done = 0;
  uint8_t arrows = p->run < r.runs.size() ? r.runs[p->run].arrows : 0;
  ++p->run_done;
  ++p->frame;
  key[KEY_LEFT] = arrows & REC_LEFT ? 1 : 0;
  key[KEY_RIGHT] = arrows & REC_RIGHT ? 1 : 0;
  key[KEY_UP] = arrows & REC_UP ? 1 : 0;
  key[KEY_DOWN] = arrows & REC_DOWN ? 1 : 0;
  key[KEY_ESC] = p->frame == r.frames && r.end == REC_END_BY_PLAYER;
  FrameResult result = game_frame();
  key[KEY_ESC] = 0;
  if (result == FRAME_GAME_ENDED) p->ended = true;
  return result;
}

std::string with_commas(long n) {
  std::string digits = std::to_string(n < 0 ? -n : n), out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return n < 0 ? "-" + out : out;
}

static std::string standing(long score, long level, long lives) {
  return with_commas(score) + " points, level " + std::to_string(level + 1) + ", " + std::to_string(lives) +
         (lives == 1 ? " life" : " lives");
}

std::string replay_mismatch(const Replay &p) {
  const Recording &r = *p.recording;
  if (p.ended && p.frame < r.frames)
    return "the game ends after " + with_commas(p.frame) + " frames, but the recording has " + with_commas(r.frames);
  bool should_end = r.end == REC_END_LAST_LIFE || r.end == REC_END_BY_PLAYER;
  if (should_end && !p.ended) return "the game goes on after the recording's last frame, which should end it";
  if (!should_end && p.ended) return "the game ends in the last frame, which the recording says it does not";
  if (game.score != r.score || game.level != r.level || game.lives != r.lives)
    return "the replay ends on " + standing(game.score, game.level, game.lives) + ", but the recording claims " +
           standing(r.score, r.level, r.lives);
  if (state_check_value() != r.check) return "the replay ends in another state than the recording's (check value)";
  return "";
}
