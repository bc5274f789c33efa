#include "platform/view.h"

#include <cstring>

#include "platform/scaler.h"

View view;

// 256 KB at 32 bits: made again after every mode set, never freed.
static ColourTable colours;

void set_view(BITMAP *target, int scale) {
  int depth = bitmap_color_depth(target);
  int w = 640 * scale, h = 480 * scale;
  if (view.scaled && (bitmap_color_depth(view.scaled) != depth || view.scaled->w != w || view.scaled->h != h)) {
    destroy_bitmap(view.scaled);
    view.scaled = nullptr;
  }
  if (!view.scaled) view.scaled = create_bitmap_ex(depth, w, h);
  if (!view.last) view.last = create_bitmap_ex(16, 640, 480);
  view.target = target;
  view.scale = scale;
  view.x = (target->w - w) / 2;
  view.y = (target->h - h) / 2;
  view.whole = true;
  build_colour_table(&colours, depth);
  clear_to_color(target, makecol_depth(depth, 0, 0, 0));
}

// Scales rows first .. end - 1 and copies them to the target.
static void show_band(BITMAP *picture, int first, int end) {
  int s = view.scale;
  scale_rows(picture, first, end - first, view.scaled, 0, 0, s, colours);
  blit(view.scaled, view.target, 0, first * s, view.x, view.y + first * s, view.scaled->w, (end - first) * s);
}

// A frame differs from the one before in the rows its moving sprites and
// numbers cross; only those are converted and sent to the display.
void show_picture(BITMAP *picture) {
  const size_t row_bytes = sizeof(uint16_t) * 640;
  int band = -1;  // first row of the band of changed rows being gathered
  for (int r = 0; r < 480; ++r) {
    bool changed = view.whole || memcmp(picture->line[r], view.last->line[r], row_bytes) != 0;
    if (changed) {
      memcpy(view.last->line[r], picture->line[r], row_bytes);
      if (band < 0) band = r;
    } else if (band >= 0) {
      show_band(picture, band, r);
      band = -1;
    }
  }
  if (band >= 0) show_band(picture, band, 480);
  view.whole = false;
}

void keep_pictures_at_16_bits() {
  _rgb_r_shift_16 = 11;
  _rgb_g_shift_16 = 5;
  _rgb_b_shift_16 = 0;
  set_color_depth(16);
}
