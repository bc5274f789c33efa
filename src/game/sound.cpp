#include "game/sound.h"

#include "platform/platform.h"

int sound_muted = 0;

void play_sound(SAMPLE *sample) {
  if (!sound_muted) platform.play(sample);
}

void toggle_mute() {
  sound_muted = !sound_muted;
  if (sound_muted) platform.stop_sounds();
}
