// close_window <window-id>: presses a window's close button as a window
// manager does, with a WM_PROTOCOLS message naming WM_DELETE_WINDOW.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
  Window id = argc == 2 ? std::strtoul(argv[1], nullptr, 0) : 0;
  Display *d = id ? XOpenDisplay(nullptr) : nullptr;
  if (!d) return std::fprintf(stderr, "usage: close_window <window-id> (with a display)\n"), 2;
  XEvent ev = {};
  ev.xclient = {ClientMessage, 0, False, d, id, XInternAtom(d, "WM_PROTOCOLS", False), 32, {}};
  ev.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, id, False, NoEventMask, &ev);
  XCloseDisplay(d);  // sends it
  return 0;
}
