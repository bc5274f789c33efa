#include "platform/key_taps.h"

#include <allegro.h>

// The keys whose taps a game acts on.
static const int TAP_KEYS[] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_P, KEY_M, KEY_ESC, KEY_F1};
// What a tap holds in key[]: the keyboard puts -1 there for a press, so a
// tap's value is told apart from a real press that comes after it.
const char TAP_HELD = 2;

// Set by the keyboard's thread on a press, taken once a frame.
static volatile int pressed_since[KEY_MAX];

void note_key_event(int scancode) {
  if (scancode > 0 && scancode < KEY_MAX) __atomic_store_n(&pressed_since[scancode], 1, __ATOMIC_RELEASE);
}

static void on_key(int scancode) {
  if (!(scancode & 0x80)) note_key_event(scancode);
}

void start_key_taps() { keyboard_lowlevel_callback = on_key; }

void hold_key_taps(bool hold) {
  for (int k : TAP_KEYS) {
    char held = TAP_HELD, up = 0;
    // Only the tap's own value goes: a press since has put -1 in its place.
    __atomic_compare_exchange_n(&key[k], &held, up, false, __ATOMIC_ACQ_REL, __ATOMIC_RELAXED);
    bool tapped = __atomic_exchange_n(&pressed_since[k], 0, __ATOMIC_ACQ_REL) != 0;
    up = 0;
    if (hold && tapped) __atomic_compare_exchange_n(&key[k], &up, TAP_HELD, false, __ATOMIC_ACQ_REL, __ATOMIC_RELAXED);
  }
}
