// A recording played again through the same game_frame() as a game: each
// frame gets the recorded arrows in key[] and Escape in the last frame of a
// game the player ended; pause, mute and the display keys are the caller's.
#pragma once

#include <string>

#include "game/game_loop.h"
#include "record/rec_file.h"

struct Replay {
  const Recording *recording = nullptr;
  size_t run = 0;         // the run the next frame is in
  uint32_t run_done = 0;  // frames of it played
  uint32_t frame = 0;     // frames played
  bool ended = false;     // game_frame() ended the game
};

// Sets up what the recorded game started from, then start_game().
void start_replay(Replay *p, const Recording &r);
// True while frames are left and the game goes on.
bool replay_frames_left(const Replay &p);
// Plays the next frame.
FrameResult replay_frame(Replay *p);
// "" when the replay ended where and as the recording claims, else why not.
std::string replay_mismatch(const Replay &p);
// 12345 as "12,345".
std::string with_commas(long n);
