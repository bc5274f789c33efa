#include "platform/end_signals.h"

#include <initializer_list>

volatile sig_atomic_t end_signalled = 0;

static void on_end_signal(int) { end_signalled = 1; }

void catch_end_signals() {
  struct sigaction act = {};
  act.sa_handler = on_end_signal;
  act.sa_flags = SA_RESTART | SA_RESETHAND;
  sigemptyset(&act.sa_mask);
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &act, nullptr);
}
