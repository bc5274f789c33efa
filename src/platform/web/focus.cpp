#include "platform/focus.h"

#include <emscripten.h>

#include "web_allegro.h"

static int lost = 0;

// The page calls this when it loses the focus or is hidden; keys held then
// would never see their release.
extern "C" EMSCRIPTEN_KEEPALIVE void web_focus_lost() {
  web_keys_release_all();
  lost = 1;
}

void watch_focus() {}

int focus_lost() {
  int was = lost;
  lost = 0;
  return was;
}
