#include "platform/end_signals.h"

// A page gets no signals: closing its tab simply ends it.
volatile sig_atomic_t end_signalled = 0;

void catch_end_signals() {}
