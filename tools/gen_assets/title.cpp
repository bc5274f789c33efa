// Title screen background, 640x480.  The title screen animates rows of
// 32-pixel-high characters over it at y = 6 ... 447, so the picture keeps a
// dark background there and puts the start prompt in the free strip
// below y 448.
#include <string>

#include "assets.hpp"
#include "font.hpp"

namespace {
constexpr int W = 640, H = 480;
constexpr int PARADE_BOTTOM = 448;

// 4x4 ordered-dither thresholds, 0..15.
constexpr int BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Channel value `v16` (in 1/16ths) rounded to the game's 16-bit colour grid
// (steps of `step`) with ordered dithering.
std::uint8_t dither(int v16, int step, int threshold) {
    int q = (v16 + threshold * step) / (16 * step) * step;
    return static_cast<std::uint8_t>(q > 255 ? 255 : q);
}

// Navy vertical gradient, dithered so it stays smooth at 16 bits per pixel,
// with a faint grid of maze dots.
void background(Image& img) {
    const Rgb top{14, 18, 58}, bottom{2, 3, 14};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            auto ch = [&](int a, int b) { return (a * (H - 1 - y) + b * y) * 16 / (H - 1); };
            int t = BAYER[y & 3][x & 3];
            img.set(x, y, Rgb{dither(ch(top.r, bottom.r), 8, t), dither(ch(top.g, bottom.g), 4, t),
                              dither(ch(top.b, bottom.b), 8, t)});
        }
    const Rgb dot{34, 44, 104};
    for (int y = 8; y < PARADE_BOTTOM; y += 16)
        for (int x = 8; x < W; x += 16) img.fill_rect(x - 1, y - 1, x, y, dot);
}

// A panel with a double rounded border, like the maze's walls.
void panel(Image& img, int x0, int y0, int x1, int y1) {
    const Rgb fill{4, 6, 22}, outer{48, 72, 196}, inner{24, 34, 110};
    Mask m(W, H);
    const int r = 10;
    m.rect(x0 + r, y0, x1 - r, y1);
    m.rect(x0, y0 + r, x1, y1 - r);
    for (int cy : {y0 + r, y1 - r})
        for (int cx : {x0 + r, x1 - r}) m.disc(C2(cx) - 1, C2(cy) - 1, 2 * r);
    paint(img, m, outer);
    Mask m2 = m;
    m2.subtract(m.border());
    m2.subtract(m2.border());
    paint(img, m2, fill);
    Mask m3 = m2;
    m3.subtract(m2.border());
    m3.subtract(m3.border());
    paint(img, m2, inner);
    paint(img, m3, fill);
}

void title_word(Image& img) {
    const std::string word = "Gobbler";
    const int sx = 11, sy = 11;
    const int x = (W - text_width(word, sx)) / 2, y = 52;
    Mask letters(W, H);
    stamp_text(letters, x, y, word, sx, sy);

    paint(img, letters.dilated(5).shifted(6, 7), Rgb{0, 0, 6});  // drop shadow
    paint(img, letters.dilated(5), Rgb{60, 14, 30});              // dark rim
    paint(img, letters.dilated(3), Rgb{226, 92, 24});             // orange rim
    const int top = y, height = 7 * sy;
    for (int py = 0; py < H; ++py)
        for (int px = 0; px < W; ++px) {
            if (!letters.at(px, py)) continue;
            int t = py - top;  // golden gradient, darker toward the bottom
            Rgb c = mix(Rgb{255, 238, 120}, Rgb{250, 150, 20}, t, height);
            if (!letters.at(px, py - 3)) c = Rgb{255, 250, 214};        // bevel light
            else if (!letters.at(px, py + 3)) c = Rgb{196, 96, 12};     // bevel shade
            img.set(px, py, c);
        }
}

// Dots leading to a power pill under the title.
void dot_trail(Image& img) {
    const int y = 168;
    for (int x = 136; x <= 472; x += 16) img.fill_rect(x, y, x + 3, y + 3, Rgb{255, 255, 255});
    img.fill_rect(496 - 4 + 2, y - 4 + 2, 496 + 4 + 2, y + 4 + 2, Rgb{255, 255, 255});
}

// A keyboard key with a light top face.
void keycap(Image& img, int x0, int y0, int w, int h) {
    const Rgb outline{16, 18, 36}, side{132, 138, 168}, face{214, 218, 234}, shine{244, 246, 252};
    Mask m(W, H);
    m.rect(x0 + 1, y0, x0 + w - 2, y0 + h - 1);
    m.rect(x0, y0 + 1, x0 + w - 1, y0 + h - 2);
    paint(img, m, side);
    img.fill_rect(x0 + 2, y0 + 2, x0 + w - 3, y0 + h - 6, face);
    img.fill_rect(x0 + 3, y0 + 2, x0 + w - 4, y0 + 2, shine);
    paint(img, m.border(), outline);
}

const Rgb KEY_INK{28, 30, 64};

void arrow(Image& img, int cx, int cy, int dir) {  // 0 up, 1 right, 2 down, 3 left
    for (int i = 0; i <= 4; ++i) {
        for (int j = -i; j <= i; ++j) {
            int along = i - 4, across = j;  // tip at along = -4
            int dx = 0, dy = 0;
            switch (dir) {
                case 0: dx = across; dy = along; break;
                case 1: dx = -along; dy = across; break;
                case 2: dx = across; dy = -along; break;
                default: dx = along; dy = across; break;
            }
            img.set(cx + dx, cy + dy, KEY_INK);
        }
    }
    for (int k = 1; k <= 4; ++k)
        for (int j = -1; j <= 0; ++j) {
            switch (dir) {
                case 0: img.set(cx + j, cy + k, KEY_INK); img.set(cx + j + 1, cy + k, KEY_INK); break;
                case 2: img.set(cx + j, cy - k, KEY_INK); img.set(cx + j + 1, cy - k, KEY_INK); break;
                case 1: img.set(cx - k, cy + j, KEY_INK); img.set(cx - k, cy + j + 1, KEY_INK); break;
                default: img.set(cx + k, cy + j, KEY_INK); img.set(cx + k, cy + j + 1, KEY_INK); break;
            }
        }
}

void controls(Image& img) {
    panel(img, 80, 218, 560, 398);
    const Rgb heading{120, 160, 255}, text{236, 240, 255};
    draw_text(img, (W - text_width("CONTROLS", 2)) / 2, 234, "CONTROLS", 2, heading);

    const int key_right = 278, text_x = 302, cap_h = 28;
    // Arrow keys.
    int y = 266;
    for (int i = 0; i < 4; ++i) {
        const int x = key_right - (4 - i) * 32 + 4;
        keycap(img, x, y, 28, cap_h);
        static const int order[4] = {0, 2, 3, 1};
        arrow(img, x + 13, y + 11, order[i]);
    }
    draw_text(img, text_x, y + 7, "Arrow keys  move", 2, text);
    // F1.
    y = 310;
    keycap(img, key_right - 44, y, 44, cap_h);
    draw_text(img, key_right - 44 + 11, y + 6, "F1", 2, KEY_INK);
    draw_text(img, text_x, y + 7, "window / full screen", 2, text);
    // Escape.
    y = 354;
    keycap(img, key_right - 56, y, 56, cap_h);
    draw_text(img, key_right - 56 + 11, y + 6, "Esc", 2, KEY_INK);
    draw_text(img, text_x, y + 7, "quit", 2, text);
}

void prompt(Image& img) {
    img.fill_rect(0, PARADE_BOTTOM, W - 1, H - 1, Rgb{0, 0, 0});
    img.fill_rect(0, PARADE_BOTTOM, W - 1, PARADE_BOTTOM, Rgb{48, 72, 196});
    const std::string s = "Press any key to start";
    const int x = (W - text_width(s, 2)) / 2, y = 456;
    draw_text(img, x + 2, y + 2, s, 2, Rgb{90, 40, 10});
    draw_text(img, x, y, s, 2, Rgb{255, 214, 90});
}
}  // namespace

void add_title(std::vector<Picture>& out) {
    Image img(W, H, Rgb{0, 0, 0});
    background(img);
    title_word(img);
    draw_text(img, (W - text_width("Eat every dot.  Dodge the ghosts.", 2)) / 2, 186,
              "Eat every dot.  Dodge the ghosts.", 2, Rgb{170, 196, 255});
    dot_trail(img);
    controls(img);
    prompt(img);
    out.push_back({"intro.bmp", PictureKind::Title, img});
}
