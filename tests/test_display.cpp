// The way the game's 16-bit picture reaches the display: the colour table
// against the library's own conversion, the scaled and centred picture, and
// the scale chosen for a desktop.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "headless.h"
#include "platform/display.h"
#include "platform/platform.h"
#include "platform/scaler.h"
#include "platform/view.h"

namespace {

// Every 16-bit value once: pixel (x, y) holds y * 256 + x.
BITMAP *all_colours() {
  BITMAP *b = create_bitmap_ex(16, 256, 256);
  for (int p = 0; p < COLOUR_COUNT; ++p) putpixel(b, p % 256, p / 256, p);
  return b;
}

// Entries of the table that differ from the library's blit into `depth` bits.
int table_faults(int depth, ColourTable *table) {
  BITMAP *src = all_colours(), *dst = create_bitmap_ex(depth, 256, 256);
  blit(src, dst, 0, 0, 0, 0, 256, 256);
  build_colour_table(table, depth);
  int faults = 0;
  for (int p = 0; p < COLOUR_COUNT; ++p)
    if (static_cast<uint32_t>(getpixel(dst, p % 256, p / 256)) != table->value[p]) ++faults;
  destroy_bitmap(src);
  destroy_bitmap(dst);
  return faults;
}

TEST(ColourTable, EveryEntryIsTheLibrarysOwnConversion) {
  headless_setup();
  static ColourTable table;
  for (int depth : {32, 24, 16, 15}) {
    EXPECT_EQ(table_faults(depth, &table), 0) << depth << " bits";
    EXPECT_EQ(table.depth, depth);
  }
  // The game's wall yellow, white and black on a 32-bit screen.
  build_colour_table(&table, 32);
  EXPECT_EQ((std::vector<uint32_t>{table.value[0xffe0], table.value[0xffff], table.value[0]}),
            (std::vector<uint32_t>{uint32_t(makecol32(255, 255, 0)), uint32_t(makecol32(255, 255, 255)), 0u}));
  // A screen whose pixels are laid out otherwise (blue high): the table follows the library.
  int r = _rgb_r_shift_32, b = _rgb_b_shift_32;
  _rgb_r_shift_32 = 0, _rgb_b_shift_32 = 16;
  EXPECT_EQ(table_faults(32, &table), 0);
  EXPECT_EQ(table.value[0xf800], 0xffu);  // pure red
  _rgb_r_shift_32 = r, _rgb_b_shift_32 = b;
}

// A picture of scattered 16-bit values, every pixel unlike its neighbours,
// with the game's yellow, white and black in it.
BITMAP *scattered_picture() {
  BITMAP *b = create_bitmap_ex(16, 640, 480);
  uint32_t state = 12345;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      state = state * 1664525u + 1013904223u;
      putpixel(b, x, y, int(state >> 16));
    }
  rectfill(b, 48, 0, 463, 15, 0xffe0);
  rectfill(b, 600, 400, 639, 479, 0xffff);
  rectfill(b, 0, 440, 40, 479, 0);
  return b;
}

struct Fault {
  int blocks = 0;   // pixels of a block unlike its source through the library
  int border = 0;   // pixels around the picture that are not black
};

// Shows `picture` on a w x h target of `depth` bits at `scale` and compares
// every pixel of the target with what it should be.
Fault check_view(BITMAP *picture, int depth, int w, int h, int scale) {
  BITMAP *target = create_bitmap_ex(depth, w, h);
  clear_to_color(target, makecol_depth(depth, 90, 30, 200));  // what was there before
  set_view(target, scale);
  show_picture(picture);
  BITMAP *want = create_bitmap_ex(depth, 640, 480);  // the library's conversion, unscaled
  blit(picture, want, 0, 0, 0, 0, 640, 480);
  Fault f;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int px = x - view.x, py = y - view.y, got = getpixel(target, x, y);
      if (px >= 0 && py >= 0 && px < 640 * scale && py < 480 * scale)
        f.blocks += got != getpixel(want, px / scale, py / scale);
      else
        f.border += got != 0;
    }
  destroy_bitmap(want);
  destroy_bitmap(target);
  return f;
}

TEST(View, EachPixelBecomesABlockOfItsColourCentredOnBlack) {
  headless_setup();
  BITMAP *picture = scattered_picture();
  struct Case { int depth, w, h, scale, x, y; };
  for (Case c : {Case{32, 800, 600, 1, 80, 60}, Case{32, 1920, 1080, 2, 320, 60}, Case{32, 2560, 1600, 3, 320, 80},
                 Case{32, 3840, 2160, 4, 640, 120}, Case{32, 1280, 960, 2, 0, 0}, Case{32, 641, 483, 1, 0, 1},
                 Case{24, 2000, 1500, 3, 40, 30}, Case{16, 1920, 1080, 2, 320, 60}, Case{15, 800, 600, 1, 80, 60}}) {
    Fault f = check_view(picture, c.depth, c.w, c.h, c.scale);
    EXPECT_EQ((std::vector<int>{view.x, view.y, f.blocks, f.border}), (std::vector<int>{c.x, c.y, 0, 0}))
        << c.depth << " bits, " << c.w << "x" << c.h << " at scale " << c.scale;
  }
  destroy_bitmap(picture);
}

// Pixels of the 32-bit target that differ from `picture` shown whole at scale 2 on 1920x1080.
int differing_from_whole(BITMAP *target, BITMAP *picture) {
  BITMAP *want = create_bitmap_ex(32, 1920, 1080);
  clear_to_color(want, 0);
  BITMAP *wide = create_bitmap_ex(32, 640, 480);
  blit(picture, wide, 0, 0, 0, 0, 640, 480);
  stretch_blit(wide, want, 0, 0, 640, 480, 320, 60, 1280, 960);
  int n = 0;
  for (int y = 0; y < 1080; ++y)
    for (int x = 0; x < 1920; ++x) n += getpixel(target, x, y) != getpixel(want, x, y);
  destroy_bitmap(wide);
  destroy_bitmap(want);
  return n;
}

TEST(View, EachPictureIsShownWholeThoughOnlyItsChangedRowsGoOut) {
  headless_setup();
  BITMAP *target = create_bitmap_ex(32, 1920, 1080), *picture = scattered_picture();
  set_view(target, 2);
  show_picture(picture);
  EXPECT_EQ(differing_from_whole(target, picture), 0);
  // Sprites moved over a few rows, at the top and bottom edges too; then the same picture again.
  uint32_t state = 99;
  for (int step = 0; step < 6; ++step) {
    for (int k = 0; k < 3; ++k) {
      state = state * 1664525u + 1013904223u;
      int y = step == 1 ? 0 : step == 2 ? 448 : int(state >> 8) % 449;
      rectfill(picture, int(state >> 20) % 600, y, int(state >> 20) % 600 + 31, y + 31, int(state & 0xffff));
    }
    if (step == 3) clear_to_color(picture, 0xffe0);
    show_picture(picture);
    EXPECT_EQ(differing_from_whole(target, picture), 0) << "step " << step;
  }
  // A row going out only when changed: a mark on the target in a row that stays stays too,
  // until a new view sends the whole picture again.
  putpixel(target, 700, 500, 0x123456);
  show_picture(picture);
  EXPECT_EQ(getpixel(target, 700, 500), 0x123456);
  // Nor the columns of a changed row beside the span that changed: a mark left of it stays, and
  // the two marks are all that differ.
  putpixel(target, 330, 240, 0x654321);
  putpixel(picture, 300, 90, 0x1f);
  show_picture(picture);
  EXPECT_EQ((std::vector<int>{getpixel(target, 330, 240), differing_from_whole(target, picture)}),
            (std::vector<int>{0x654321, 2}));
  set_view(target, 2);
  show_picture(picture);
  EXPECT_EQ(differing_from_whole(target, picture), 0);
  destroy_bitmap(picture);
  destroy_bitmap(target);
}

TEST(View, BoxesAreDrawnOverThePictureOnShowNotOverTheNextFrame) {
  // The machine's own entries: a box goes over what is on show, whatever the
  // buffer that was presented holds by then.
  headless_setup();
  BITMAP *target = create_bitmap_ex(32, 1920, 1080), *frame = scattered_picture(), *on_show = scattered_picture();
  set_view(target, 2);
  platform.present(frame);
  clear_to_color(frame, 0x1234);
  BITMAP *shown = platform.display();
  int differing = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) differing += getpixel(shown, x, y) != getpixel(on_show, x, y);
  EXPECT_EQ(differing, 0);
  rectfill(shown, 212, 160, 299, 183, 0xffff);
  platform.show_display();
  rectfill(on_show, 212, 160, 299, 183, 0xffff);
  EXPECT_EQ(differing_from_whole(target, on_show), 0);
  destroy_bitmap(on_show);
  destroy_bitmap(frame);
  destroy_bitmap(target);
}

TEST(ScaleChoice, TheWindowLeavesATenthOfTheDesktopsHeightAndFullScreenFillsIt) {
  struct Case { int w, h, window, full; };
  for (Case c : {Case{640, 480, 1, 1}, Case{800, 600, 1, 1}, Case{1024, 768, 1, 1}, Case{1280, 1024, 1, 2},
                 Case{1366, 768, 1, 1}, Case{1920, 1080, 2, 2}, Case{1920, 1200, 2, 2}, Case{2560, 1440, 2, 3},
                 Case{3840, 2160, 4, 4}, Case{5120, 2880, 5, 6}, Case{1280, 1067, 2, 2}, Case{1280, 1066, 1, 2},
                 Case{1279, 2000, 1, 1}, Case{320, 200, 1, 1}}) {
    EXPECT_EQ((std::vector<int>{window_scale_for(c.w, c.h), fullscreen_scale_for(c.w, c.h)}),
              (std::vector<int>{c.window, c.full}))
        << c.w << "x" << c.h;
  }
}

}  // namespace
