#include "platform/key_taps.h"

#include <allegro.h>

// The keys whose taps a game acts on.
static const int TAP_KEYS[] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_P, KEY_M, KEY_ESC, KEY_F1};
// What a tap holds in key[]: the keyboard puts -1 there for a press, so a
// tap's value is told apart from a real press that comes after it.
const char TAP_HELD = 2;

static bool pressed_since[KEY_MAX];

void note_key_event(int scancode) {
  if (scancode > 0 && scancode < KEY_MAX) pressed_since[scancode] = true;
}

void start_key_taps() { poll_keyboard(); }

void hold_key_taps(bool hold) {
  // Every press goes through the buffer, however short (none without a keyboard).
  poll_keyboard();
  while (keypressed()) note_key_event(readkey() >> 8);
  for (int k : TAP_KEYS) {
    if (key[k] == TAP_HELD) key[k] = 0;
    bool tapped = pressed_since[k];
    pressed_since[k] = false;
    if (hold && tapped && !key[k]) key[k] = TAP_HELD;
  }
}
