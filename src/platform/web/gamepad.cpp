#include "platform/gamepad.h"

#include <emscripten.h>

// The first pad in the browser's standard layout, read into `out`: present,
// left stick x and y, d-pad x and y (-127 .. 127), then the buttons as bits
// in the joystick interface's numbering, which the game's controls use:
// A, B, X, Y, Back and Start are the standard layout's buttons 0-3, 8 and 9.
// (No comments inside: the macro makes the code one line; and no
// destructuring, which this Emscripten's minifier mangles.)
EM_JS(void, read_page_pad, (int *out), {
  const pads = typeof navigator !== "undefined" && navigator.getGamepads ? navigator.getGamepads() : [];
  let pad = null;
  for (const p of pads) if (p && p.connected) { pad = p; break; }
  const v = [0, 0, 0, 0, 0, 0];
  if (pad) {
    const axis = (i) => Math.round(Math.max(-1, Math.min(1, pad.axes[i] || 0)) * 127);
    const down = (i) => (pad.buttons[i] && pad.buttons[i].pressed) ? 1 : 0;
    v[0] = 1;
    v[1] = axis(0);
    v[2] = axis(1);
    v[3] = 127 * (down(15) - down(14));
    v[4] = 127 * (down(13) - down(12));
    const from = [0, 1, 2, 3, 8, 9], to = [0, 1, 2, 3, 6, 7];
    for (let k = 0; k < 6; k++) if (down(from[k])) v[5] |= 1 << to[k];
  }
  HEAP32.set(v, out >> 2);
});

// The browser reports pads as they come and go.
void start_gamepad() {}

void read_gamepad(PadState *pad) {
  int v[6];
  read_page_pad(v);
  *pad = PadState();
  pad->present = v[0];
  pad->stick_x = v[1];
  pad->stick_y = v[2];
  pad->hat_x = v[3];
  pad->hat_y = v[4];
  pad->buttons = static_cast<unsigned>(v[5]);
}
