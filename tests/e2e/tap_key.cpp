// tap_key <keysym>: presses the key and lets it go at once through XTest,
// both events sent together: a press far shorter than a frame.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

int main(int argc, char **argv) {
  Display *d = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
  if (!d) return 2;
  KeyCode code = XKeysymToKeycode(d, XStringToKeysym(argv[1]));
  if (!code) return 2;
  XTestFakeKeyEvent(d, code, True, 0);
  XTestFakeKeyEvent(d, code, False, 0);
  return XCloseDisplay(d), 0;  // closing flushes the events
}
