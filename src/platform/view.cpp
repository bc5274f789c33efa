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

// Scales rows first .. end - 1, columns left .. right - 1, and copies them
// to the target.
static void show_band(BITMAP *picture, int first, int end, int left, int right) {
  int s = view.scale;
  scale_block(picture, first, end - first, left, right - left, view.scaled, 0, 0, s, colours);
  blit(view.scaled, view.target, left * s, first * s, view.x + left * s, view.y + first * s, (right - left) * s,
       (end - first) * s);
}

// The columns left .. right - 1 of row r that differ from the picture on
// show; false when none do.
static bool changed_columns(BITMAP *picture, int r, int *left, int *right) {
  const uint16_t *now = reinterpret_cast<const uint16_t *>(picture->line[r]);
  const uint16_t *was = reinterpret_cast<const uint16_t *>(view.last->line[r]);
  if (view.whole) {
    *left = 0, *right = 640;
    return true;
  }
  if (memcmp(now, was, sizeof(uint16_t) * 640) == 0) return false;
  // Four pixels at a time to the first and last that differ.
  auto same4 = [&](int i) { return memcmp(now + i, was + i, 8) == 0; };
  int l = 0, h = 640;
  while (same4(l)) l += 4;
  while (same4(h - 4)) h -= 4;
  while (now[l] == was[l]) ++l;
  while (now[h - 1] == was[h - 1]) --h;
  *left = l, *right = h;
  return true;
}

// Rows whose changed spans lie this close together go out as one block.
const int SPAN_SLACK = 64;

// A frame differs from the one before where its moving sprites and numbers
// are: only those pixels are converted and sent to the display, as blocks
// of changed rows whose changed columns lie close together (the title's
// parade rows, moving left and right, overlap by a few rows: a block each
// side, and a whole-width one where they meet).
void show_picture(BITMAP *picture) {
  int band = -1, left = 640, right = 0;  // the block of changed rows being gathered
  for (int r = 0; r < 480; ++r) {
    int l = 0, h = 0;
    bool changed = changed_columns(picture, r, &l, &h);
    if (changed) memcpy(view.last->line[r] + 2 * l, picture->line[r] + 2 * l, sizeof(uint16_t) * (h - l));
    int joined = (h > right ? h : right) - (l < left ? l : left);
    bool fits = band >= 0 && changed && joined <= right - left + SPAN_SLACK && joined <= h - l + SPAN_SLACK;
    if (band >= 0 && !fits) {
      show_band(picture, band, r, left, right);
      band = -1, left = 640, right = 0;
    }
    if (!changed) continue;
    if (band < 0) band = r;
    if (l < left) left = l;
    if (h > right) right = h;
  }
  if (band >= 0) show_band(picture, band, 480, left, right);
  view.whole = false;
}

void keep_pictures_at_16_bits() {
  _rgb_r_shift_16 = 11;
  _rgb_g_shift_16 = 5;
  _rgb_b_shift_16 = 0;
  set_color_depth(16);
}
