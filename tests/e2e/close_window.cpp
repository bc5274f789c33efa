// close_window <window-id>
//
// Presses a window's close button the way a window manager does when the
// window takes part in WM_DELETE_WINDOW: it sends the window a WM_PROTOCOLS
// client message naming WM_DELETE_WINDOW.  Exit status 0 once the message is
// on its way, 2 on bad usage or no display.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <window-id>\n", argc > 0 ? argv[0] : "close_window");
    return 2;
  }
  char *end = nullptr;
  unsigned long id = std::strtoul(argv[1], &end, 0);
  if (!end || *end != '\0' || id == 0) {
    std::fprintf(stderr, "close_window: \"%s\" is not a window id\n", argv[1]);
    return 2;
  }
  Display *d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "close_window: cannot open the display\n");
    return 2;
  }
  XEvent ev = {};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = static_cast<Window>(id);
  ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, static_cast<Window>(id), False, NoEventMask, &ev);
  XSync(d, False);
  XCloseDisplay(d);
  return 0;
}
