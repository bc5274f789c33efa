#include "platform/focus.h"

#include <allegro.h>

#include "platform/pacing.h"

// Ticks after a display mode set in which focus changes are the switch's own:
// the window system reports them up to some 20 ms after the set returns.
const int FOCUS_SETTLE_TICKS = 30;

static volatile int focus_outs = 0;  // times the focus went away
static volatile int has_focus = 1;   // no word comes at start-up: assume it
static int outs_seen = 0;
static int settled_after = 0;

static void on_switch_out() {
  focus_outs = focus_outs + 1;
  has_focus = 0;
}
END_OF_STATIC_FUNCTION(on_switch_out)

static void on_switch_in() { has_focus = 1; }
END_OF_STATIC_FUNCTION(on_switch_in)

void watch_focus() {
  // Once each, however often the mode is set.
  remove_display_switch_callback(on_switch_out);
  remove_display_switch_callback(on_switch_in);
  set_display_switch_callback(SWITCH_OUT, on_switch_out);
  set_display_switch_callback(SWITCH_IN, on_switch_in);
  settled_after = tick_counter + FOCUS_SETTLE_TICKS;
}

int focus_lost() {
  int outs = focus_outs;
  if (outs == outs_seen) return 0;
  outs_seen = outs;
  // Lost and back again before the frame looked is no reason to stop.
  return tick_after(tick_counter, settled_after) && !has_focus;
}
