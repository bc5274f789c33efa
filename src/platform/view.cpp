#include "platform/view.h"

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
  view.target = target;
  view.scale = scale;
  view.x = (target->w - w) / 2;
  view.y = (target->h - h) / 2;
  build_colour_table(&colours, depth);
  clear_to_color(target, makecol_depth(depth, 0, 0, 0));
}

void show_picture(BITMAP *picture) {
  scale_picture(picture, view.scaled, 0, 0, view.scale, colours);
  blit(view.scaled, view.target, 0, 0, view.x, view.y, view.scaled->w, view.scaled->h);
}
