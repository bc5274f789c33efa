#include "platform/desktop/window_manager.h"

#include <allegro.h>
#include <xalleg.h>
#include <X11/Xatom.h>

// The window's icon: the player, drawn by tools/make_icon.sh.
#include "gobbler-64.xpm"

// The library's icon for its window, an XPM; not in its headers.
extern "C" void *allegro_icon;

// The library reads X events from its own thread: every call here holds its
// lock. The window the window manager handles is _xwin.wm_window; _xwin.window
// is the library's drawing window inside it.

static Atom atom(const char *name) { return XInternAtom(_xwin.display, name, False); }

// The first `max` items of a property of type `type`; their count.
static int read_property(Window w, const char *name, Atom type, unsigned long *items, int max) {
  Atom got_type;
  int format;
  unsigned long n = 0, after;
  unsigned char *data = nullptr;
  if (XGetWindowProperty(_xwin.display, w, atom(name), 0, max, False, type, &got_type, &format, &n, &after,
                         &data) != Success || !data)
    return 0;
  int count = got_type == type && format == 32 ? int(n) : 0;
  for (int i = 0; i < count; ++i) items[i] = reinterpret_cast<unsigned long *>(data)[i];
  XFree(data);
  return count;
}

// A window manager that left the server leaves its check window dangling:
// asking about it must not end the program.
static int x_error = 0;
static int note_x_error(Display *, XErrorEvent *) {
  x_error = 1;
  return 0;
}

bool window_manager_fullscreens() {
  XLOCK();
  Window root = DefaultRootWindow(_xwin.display);
  unsigned long wm = 0, self = 0, supported[256];
  bool ok = read_property(root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, &wm, 1) == 1;
  if (ok) {
    XSync(_xwin.display, False);
    x_error = 0;
    XErrorHandler before = XSetErrorHandler(note_x_error);
    ok = read_property(wm, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, &self, 1) == 1 && self == wm;
    XSync(_xwin.display, False);
    XSetErrorHandler(before);
    ok = ok && !x_error;
  }
  if (ok) {
    int n = read_property(root, "_NET_SUPPORTED", XA_ATOM, supported, 256);
    Atom fullscreen = atom("_NET_WM_STATE_FULLSCREEN");
    ok = false;
    for (int i = 0; i < n; ++i) ok = ok || supported[i] == fullscreen;
  }
  XUNLOCK();
  return ok;
}

void ask_fullscreen(bool on) {
  XLOCK();
  XEvent ev = {};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = _xwin.wm_window;
  ev.xclient.message_type = atom("_NET_WM_STATE");
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
  ev.xclient.data.l[1] = long(atom("_NET_WM_STATE_FULLSCREEN"));
  ev.xclient.data.l[3] = 1;  // asked by an application
  XSendEvent(_xwin.display, DefaultRootWindow(_xwin.display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &ev);
  XFlush(_xwin.display);
  XUNLOCK();
}

static bool place_noted = false;
static int place_x = 0, place_y = 0;

void note_window_place() {
  XLOCK();
  // The frame a window manager puts round the window is the root's child
  // that holds it; a move request places that frame.
  Window w = _xwin.wm_window, root = 0, parent = 0, *children = nullptr;
  unsigned int n, width, height, border, depth;
  while (XQueryTree(_xwin.display, w, &root, &parent, &children, &n)) {
    if (children) XFree(children);
    if (parent == root || parent == 0) break;
    w = parent;
  }
  place_noted = XGetGeometry(_xwin.display, w, &root, &place_x, &place_y, &width, &height, &border, &depth);
  XUNLOCK();
}

void put_window_back() {
  if (!place_noted) return;
  XLOCK();
  XMoveWindow(_xwin.display, _xwin.wm_window, place_x, place_y);
  XFlush(_xwin.display);
  XUNLOCK();
}

void name_window() {
  allegro_icon = const_cast<char **>(gobbler_64);
  xwin_set_window_name("gobbler", "Gobbler");
  // The library gives its window these only when a mode ends; the first
  // window gets them now.
  XLOCK();
  _xwin_window_defaultor();
  XUNLOCK();
}
