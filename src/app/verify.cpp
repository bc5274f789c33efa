#include "app/verify.h"

#include <allegro.h>

#include <cstdio>

#include "platform/no_window.h"
#include "record/replay.h"
#include "render/assets.h"
#include "render/draw_frame.h"

// Replays `r` to its end: "" when it reaches what it claims.
static std::string replay_to_end(const Recording &r) {
  Replay p;
  start_replay(&p, r);
  while (replay_frames_left(p)) replay_frame(&p);
  std::string why = replay_mismatch(p);
  if (!why.empty() && r.game_version != GOBBLER_VERSION)
    why += " (recorded by gobbler " + r.game_version + ", this is " + GOBBLER_VERSION + ")";
  return why;
}

int verify_recordings(const std::vector<std::string> &files, const std::string &data_dir) {
  start_without_window();
  use_no_window_platform();
  set_data_dir(data_dir);
  std::string error;
  if (!load_assets(&error)) {
    fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  back_buffer = create_bitmap_ex(16, 640, 480);
  int status = 0;
  for (const std::string &file : files) {
    Recording r;
    std::string fault = load_recording_file(file.c_str(), &r);
    if (!fault.empty()) {
      fprintf(stderr, "gobbler: %s: %s\n", file.c_str(), fault.c_str());
      status = 2;
      continue;
    }
    clear_to_color(back_buffer, 0);
    std::string why = replay_to_end(r);
    if (why.empty()) {
      printf("%s: %s points, level %d, %s frames: verified\n", file.c_str(), with_commas(r.score).c_str(), r.level + 1,
             with_commas(r.frames).c_str());
    } else {
      fprintf(stderr, "gobbler: %s: not verified: %s\n", file.c_str(), why.c_str());
      if (status == 0) status = 1;
    }
    fflush(stdout);
  }
  return status;
}
