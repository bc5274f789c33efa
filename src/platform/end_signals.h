// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) end the
// program as the window's close button does: a game in play ends and its
// better score is saved first.
#pragma once

#include <csignal>

// Set by the handler; read by the loops through platform.close_requested.
extern volatile sig_atomic_t end_signalled;

// Installs the handler; a second signal of a kind ends the program at once.
void catch_end_signals();
