// latency_probe SCENARIO PRESSES GAME_DISPLAY GAME_WINDOW BARE_DISPLAY BARE_WINDOW
//
// Key-to-screen time of the game beside a bare loop, one press on each in
// turn: after a random 0-33 ms wait it presses a key through XTest and reads
// an area of the screen with XShmGetImage every 0.35 ms until the picture
// answers; the time in between is printed as "game MS" or "bare MS". Areas
// are given in the 640x480 picture and scaled with the window. Scenarios:
//   steer  the player stopped at the left wall: Right turns it (the area
//          changes); Left brings it back
//   pause  P: the " PAUSED " box's top bar turns white; P again takes it off
//   start  the title: Space brings the maze (the top wall bar); Escape after
//          the start jingle brings the title back
// The bare loop (tools/bare_loop --answer-keys) turns white while a key is
// held. Exits with 1 when a picture never answers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

double now_ms() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void sleep_ms(double ms) {
  timespec t = {time_t(ms / 1000), long((ms - 1000 * time_t(ms / 1000)) * 1e6)};
  nanosleep(&t, nullptr);
}

struct Area { int x, y, w, h; };  // in the 640x480 picture

// One program's window on its X server.
struct Target {
  Display *d = nullptr;
  Window root = 0;
  int x = 0, y = 0, scale = 1;  // the picture's corner on the root, its scale
  XImage *image = nullptr;
  XShmSegmentInfo shm = {};
  Area area = {};

  Target(const char *display, const char *window) {
    d = XOpenDisplay(display);
    int event, error;
    if (!d || !XTestQueryExtension(d, &event, &error, &event, &error) || !XShmQueryExtension(d)) {
      fprintf(stderr, "latency_probe: no X server with XTest and MIT-SHM at %s\n", display);
      exit(2);
    }
    root = DefaultRootWindow(d);
    Window w = strtoul(window, nullptr, 0), child;
    XWindowAttributes a;
    XGetWindowAttributes(d, w, &a);
    XTranslateCoordinates(d, w, root, 0, 0, &x, &y, &child);
    scale = a.width / 640 > 0 ? a.width / 640 : 1;
    // With no window manager the keyboard goes where the pointer is.
    XWarpPointer(d, None, w, 0, 0, 0, 0, a.width / 2, a.height / 2);
    XSync(d, False);
  }

  void watch(Area a) {
    if (image) {
      XShmDetach(d, &shm);
      XDestroyImage(image);
      shmdt(shm.shmaddr);
    }
    area = a;
    Screen *s = DefaultScreenOfDisplay(d);
    image = XShmCreateImage(d, DefaultVisualOfScreen(s), DefaultDepthOfScreen(s), ZPixmap, nullptr, &shm,
                            a.w * scale, a.h * scale);
    shm.shmid = shmget(IPC_PRIVATE, image->bytes_per_line * image->height, IPC_CREAT | 0600);
    shm.shmaddr = image->data = static_cast<char *>(shmat(shm.shmid, nullptr, 0));
    shm.readOnly = False;
    XShmAttach(d, &shm);
    XSync(d, False);
    shmctl(shm.shmid, IPC_RMID, nullptr);  // gone once both ends let go
  }

  std::vector<char> grab() {
    XShmGetImage(d, root, image, x + area.x * scale, y + area.y * scale, AllPlanes);
    return std::vector<char>(image->data, image->data + image->bytes_per_line * image->height);
  }

  // Every pixel of the area white, or wall yellow.
  bool all(bool wall) {
    grab();
    for (int r = 0; r < image->height; ++r)
      for (int c = 0; c < image->width; ++c) {
        unsigned long p = XGetPixel(image, c, r);
        int red = (p & image->red_mask) * 255 / image->red_mask, green = (p & image->green_mask) * 255 / image->green_mask,
            blue = (p & image->blue_mask) * 255 / image->blue_mask;
        if (red < 232 || green < 232 || (wall ? blue > 24 : blue < 232)) return false;
      }
    return true;
  }

  void key(KeySym sym, bool down) {
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, sym), down, 0);
    XFlush(d);
  }
  void tap(KeySym sym) {
    key(sym, true);
    sleep_ms(60);
    key(sym, false);
  }
};

// Polls `answered` every 0.35 ms for at most `limit` ms: the ms it took, or -1.
template <class F> double poll(double start, double limit, F answered) {
  for (;;) {
    double t = now_ms();
    if (answered()) return t - start;
    if (t - start > limit) return -1;
    sleep_ms(0.35);
  }
}

// Waits until the area has held still for `still` ms (at most `limit` ms).
bool settle(Target &t, double still, double limit) {
  double start = now_ms(), since = start;
  std::vector<char> last = t.grab();
  while (now_ms() - start < limit) {
    sleep_ms(5);
    std::vector<char> next = t.grab();
    if (next != last) last = next, since = now_ms();
    else if (now_ms() - since >= still) return true;
  }
  return false;
}

std::mt19937 rng(std::random_device{}());

// Presses `sym` after a random wait and times the answer; -1 when none.
template <class F> double timed_press(Target &t, KeySym sym, F answered) {
  sleep_ms(std::uniform_real_distribution<double>(0, 33.3)(rng));
  t.key(sym, true);
  double ms = poll(now_ms(), 3000, answered);
  t.key(sym, false);
  return ms;
}

double changed_press(Target &t, KeySym sym) {
  std::vector<char> before = t.grab();
  return timed_press(t, sym, [&] { return t.grab() != before; });
}

void fail(const char *what) {
  fprintf(stderr, "latency_probe: %s\n", what);
  exit(1);
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 7) {
    fprintf(stderr, "usage: latency_probe steer|pause|start PRESSES GAME_DISPLAY GAME_WINDOW BARE_DISPLAY BARE_WINDOW\n");
    return 2;
  }
  std::string scenario = argv[1];
  int presses = atoi(argv[2]);
  Target game(argv[3], argv[4]), bare(argv[5], argv[6]);
  bare.watch({288, 208, 64, 64});
  const Area player_at_wall = {16, 304, 32, 32}, pause_bar = {224, 160, 64, 8}, top_wall = {48, 0, 416, 16},
             game_over_bar = {212, 160, 88, 8};
  game.watch(scenario == "steer" ? player_at_wall : scenario == "pause" ? pause_bar : top_wall);
  for (int i = 0; i < presses; ++i) {
    if (!settle(bare, 50, 3000)) fail("the bare loop's picture does not hold still");
    printf("bare %.2f\n", changed_press(bare, XK_space));
    fflush(stdout);
    double ms = -1;
    if (scenario == "steer") {
      if (!settle(game, 150, 15000)) fail("the player does not come to rest at the wall");
      ms = changed_press(game, XK_Right);
      game.tap(XK_Left);  // back to the wall
    } else if (scenario == "pause") {
      if (game.all(false)) fail("the pause box is on show before P");
      ms = timed_press(game, XK_p, [&] { return game.all(false); });
      sleep_ms(50);
      game.tap(XK_p);
      if (poll(now_ms(), 3000, [&] { return !game.all(false); }) < 0) fail("P did not take the pause box off");
      sleep_ms(100);
    } else {
      if (game.all(true)) fail("the title is not on show");
      ms = timed_press(game, XK_space, [&] { return game.all(true); });
      sleep_ms(3000);  // the start jingle; keys held through it count at its end
      game.watch(game_over_bar);
      game.key(XK_Escape, true);
      bool over = poll(now_ms(), 3000, [&] { return game.all(false); }) >= 0;
      game.key(XK_Escape, false);
      game.watch(top_wall);
      if (!over || poll(now_ms(), 5000, [&] { return !game.all(true); }) < 0) fail("Escape did not end the game");
      sleep_ms(300);
    }
    if (ms < 0) fail("the game's picture did not answer a press within 3 s");
    printf("game %.2f\n", ms);
    fflush(stdout);
  }
  return 0;
}
