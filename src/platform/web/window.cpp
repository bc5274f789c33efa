#include "platform/window.h"

// A page has no close button of its own; leaving it ends everything.
volatile int close_button_pressed = 0;

void dress_window() {}
