// Gobbler: start-up, then title screens and games until the player quits.
#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/display.h"
#include "platform/end_signals.h"
#include "app/game_cycle.h"
#include "app/options.h"
#include "app/replay_window.h"
#include "app/verify.h"
#include "game/sound.h"
#include "platform/gamepad.h"
#include "platform/key_taps.h"
#include "platform/pacing.h"
#include "render/assets.h"
#include "render/draw_frame.h"

int main(int argc, char **argv) {
  Options options;
  switch (parse_options(argc, argv, &options, stdout, stderr)) {
    case OPTIONS_PLAY:
      break;
    case OPTIONS_DONE:
      return 0;
    case OPTIONS_BAD_USAGE:
      return 2;
  }
  if (!options.verify_files.empty()) return verify_recordings(options.verify_files, chosen_data_dir(options));
  // A recording that cannot be read is said before any window opens.
  Recording replay;
  if (!options.replay_file.empty()) {
    std::string fault = load_recording_file(options.replay_file.c_str(), &replay);
    if (!fault.empty()) {
      fprintf(stderr, "gobbler: %s: %s\n", options.replay_file.c_str(), fault.c_str());
      return 2;
    }
  }
  if (allegro_init() != 0) {
    fprintf(stderr, "gobbler: cannot start the game library (no display? is DISPLAY set?): %s\n", allegro_error);
    return 1;
  }
  install_timer();
  start_ticks();
  install_keyboard();
  start_key_taps();
  // The game plays silently when there is no sound device.
  install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
  sound_muted = options.mute;
  // No pad: the keyboard alone.
  start_gamepad();

  if (!open_display(options.fullscreen, options.scale)) {
    fprintf(stderr, "gobbler: cannot open a 640x480 window on the display: %s\n", allegro_error);
    return 1;
  }
  set_data_dir(chosen_data_dir(options));
  std::string error;
  if (!load_assets(&error)) {
    allegro_exit();
    fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  catch_end_signals();
  back_buffer = create_bitmap_ex(16, 640, 480);
  clear_to_color(back_buffer, makecol(0, 0, 0));

  if (options.replay_file.empty()) run_game_cycle();
  else replay_in_window(replay);
  return 0;
}
END_OF_MAIN()
