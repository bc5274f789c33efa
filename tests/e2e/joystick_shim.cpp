// Loaded with LD_PRELOAD into the game, it makes any file the joystick driver opens answer the Linux joystick
// interface's questions as a pad of the common layout (8 axes, 11 buttons) would; pointed at a FIFO, that
// file then carries the test's js_event records. Every other ioctl goes to the C library.
#include <dlfcn.h>
#include <linux/joystick.h>
#include <sys/ioctl.h>

#include <cstdarg>
#include <cstring>

extern "C" int ioctl(int fd, unsigned long request, ...) {
  va_list args;
  va_start(args, request);
  void *arg = va_arg(args, void *);
  va_end(args);
  if (request == JSIOCGVERSION) return *static_cast<unsigned *>(arg) = JS_VERSION, 0;
  if (request == JSIOCGAXES) return *static_cast<unsigned char *>(arg) = 8, 0;
  if (request == JSIOCGBUTTONS) return *static_cast<unsigned char *>(arg) = 11, 0;
  if ((request & ~(unsigned long)(IOCSIZE_MASK)) == (JSIOCGNAME(0) & ~(unsigned long)(IOCSIZE_MASK))) {
    static const char NAME[] = "Test pad";
    size_t room = _IOC_SIZE(request);
    if (room > 0) strncpy(static_cast<char *>(arg), NAME, room - 1), static_cast<char *>(arg)[room - 1] = '\0';
    return int(strlen(NAME));
  }
  typedef int (*Ioctl)(int, unsigned long, ...);
  static Ioctl next = reinterpret_cast<Ioctl>(dlsym(RTLD_NEXT, "ioctl"));
  return next(fd, request, arg);
}
