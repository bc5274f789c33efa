// close_window <window-id>: sends the window the WM_DELETE_WINDOW message a
// window manager sends when its close button is pressed.
#include <X11/Xlib.h>
#include <cstdlib>

int main(int argc, char **argv) {
  Display *d = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
  if (!d) return 2;
  Window id = std::strtoul(argv[1], nullptr, 0);
  XEvent ev = {};  // sent at CurrentTime (0)
  ev.xclient = {ClientMessage, 0, False, d, id, XInternAtom(d, "WM_PROTOCOLS", False), 32, {}};
  ev.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
  XSendEvent(d, id, False, NoEventMask, &ev);
  return XCloseDisplay(d), 0;  // closing flushes the message
}
