#include "platform/display.h"

int window_scale_for(int desktop_w, int desktop_h) {
  int s = 1;
  while (SCREEN_W_PX * (s + 1) <= desktop_w && SCREEN_H_PX * (s + 1) * 10 <= desktop_h * 9) ++s;
  return s;
}

int fullscreen_scale_for(int w, int h) {
  int s = 1;
  while (SCREEN_W_PX * (s + 1) <= w && SCREEN_H_PX * (s + 1) <= h) ++s;
  return s;
}
