// The game's sounds go through here, so that M can silence them all.
#pragma once

#include <allegro.h>

// 1 while the game is silent; --mute starts it at 1.
extern int sound_muted;

// Plays `sample` unless the sound is off.
void play_sound(SAMPLE *sample);
// M: sound off (also stopping what is playing) or back on.
void toggle_mute();
