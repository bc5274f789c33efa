#include "platform/window.h"

#include <allegro.h>

volatile int close_button_pressed = 0;

static void on_close_button() { close_button_pressed = 1; }
END_OF_STATIC_FUNCTION(on_close_button)

void dress_window() {
  set_window_title("Gobbler");
  set_close_button_callback(on_close_button);
}
