// Bonus fruits, 24x24 on the mask colour, one per level group:
// cherries, strawberry, orange, apple, grapes, watermelon slice, banana,
// pineapple.
#include "assets.hpp"

namespace {
constexpr int SIZE = 24;
using Points = std::vector<std::pair<int, int>>;

// Light-to-dark shades of one material plus its outline colour.
struct Palette {
    Rgb shine, light, base, dark, outline;
};

const Palette CHERRY{{255, 196, 196}, {240, 64, 72}, {204, 20, 40}, {138, 8, 28}, {66, 4, 14}};
const Palette STRAWBERRY{{255, 170, 150}, {250, 76, 60}, {222, 34, 36}, {156, 16, 30}, {74, 6, 14}};
const Palette ORANGE{{255, 226, 160}, {255, 176, 60}, {244, 130, 20}, {192, 84, 10}, {98, 38, 4}};
const Palette APPLE{{226, 250, 176}, {152, 220, 80}, {98, 180, 48}, {58, 128, 30}, {24, 60, 12}};
const Palette GRAPE{{214, 170, 240}, {156, 86, 206}, {112, 44, 164}, {72, 22, 114}, {34, 8, 58}};
const Palette RIND{{170, 226, 120}, {96, 184, 64}, {52, 138, 44}, {30, 92, 30}, {14, 46, 14}};
const Palette MELON{{255, 150, 150}, {246, 80, 84}, {224, 44, 60}, {176, 24, 44}, {90, 10, 20}};
const Palette BANANA{{255, 240, 150}, {255, 222, 56}, {238, 190, 24}, {196, 140, 16}, {104, 66, 8}};
const Palette PINEAPPLE{{255, 222, 120}, {246, 184, 56}, {218, 142, 30}, {160, 96, 18}, {78, 42, 8}};
const Palette LEAF{{168, 230, 110}, {100, 196, 64}, {56, 150, 44}, {32, 104, 30}, {14, 50, 14}};
const Rgb STEM{110, 70, 30};
const Rgb STEM_DARK{64, 38, 14};

Points scaled(const Points& px) {  // pixel-corner coordinates to 2x units
    Points r;
    for (auto [x, y] : px) r.push_back({2 * x, 2 * y});
    return r;
}

// Fills `m` with the palette's shades by distance from the highlight
// point (2x units); `reach2` is the shape's radius in 2x units.  Draws the
// outline on the shape's border.
void shade(Image& img, const Mask& m, int hx2, int hy2, int reach2, const Palette& p) {
    paint_radial(img, m, hx2, hy2, {p.shine, p.light, p.base, p.dark},
                 {reach2 / 4, reach2 * 3 / 4, reach2 * 5 / 4});
    paint(img, m.border(), p.outline);
}

// A shaded ball lit from the upper left.
void ball(Image& img, int cx2, int cy2, int r2, const Palette& p) {
    Mask m(SIZE, SIZE);
    m.disc(cx2, cy2, r2);
    shade(img, m, cx2 - r2 / 2, cy2 - r2 / 2, r2 + r2 / 3, p);
}

void leaf(Image& img, const Points& outline_px, int vx0, int vy0, int vx1, int vy1) {
    Mask m(SIZE, SIZE);
    m.polygon(scaled(outline_px));
    paint(img, m, LEAF.light);
    paint(img, m.border(), LEAF.outline);
    img.line(vx0, vy0, vx1, vy1, LEAF.dark);  // central vein
}

void stem(Image& img, int x0, int y0, int x1, int y1) {
    img.line(x0, y0, x1, y1, STEM);
    img.line(x0 + 1, y0, x1 + 1, y1, STEM_DARK);
}

Image cherries() {
    Image img(SIZE, SIZE, MAGENTA);
    // Two stems meeting at the top.
    img.line(7, 13, 10, 7, LEAF.dark);
    img.line(10, 7, 14, 2, LEAF.dark);
    img.line(8, 13, 11, 7, LEAF.light);
    img.line(17, 11, 16, 6, LEAF.dark);
    img.line(16, 6, 14, 2, LEAF.dark);
    img.line(18, 11, 17, 6, LEAF.light);
    leaf(img, {{14, 3}, {17, 0}, {22, 0}, {20, 3}, {16, 4}}, 15, 3, 21, 1);
    ball(img, 15, 35, 11, CHERRY);
    ball(img, 34, 31, 11, CHERRY);
    img.set(5, 14, CHERRY.shine);
    img.set(14, 12, CHERRY.shine);
    return img;
}

Image strawberry() {
    Image img(SIZE, SIZE, MAGENTA);
    // Body outline from half-widths per row (2x units), symmetric about x = 12.
    const int rows[][2] = {{5, 10}, {6, 15}, {7, 18}, {9, 20}, {12, 20}, {14, 18}, {16, 15},
                           {18, 11}, {20, 7}, {22, 3}, {23, 0}};
    Points poly;
    for (auto& r : rows) poly.push_back({24 + r[1], 2 * r[0]});
    for (int i = static_cast<int>(sizeof rows / sizeof rows[0]) - 1; i >= 0; --i)
        poly.push_back({24 - rows[i][1], 2 * rows[i][0]});
    Mask body(SIZE, SIZE);
    body.polygon(poly);
    shade(img, body, 16, 18, 26, STRAWBERRY);
    // Seeds on a staggered grid, each with a small shadow below.
    Mask inner = body;
    inner.subtract(body.border());
    for (int y = 8; y < 22; y += 3)
        for (int x = (y / 3) % 2 ? 5 : 7; x < 20; x += 4)
            if (inner.at(x, y) && inner.at(x, y + 1)) {
                img.set(x, y, Rgb{255, 228, 130});
                img.set(x, y + 1, STRAWBERRY.dark);
            }
    // Leafy crown and stem.
    Mask crown(SIZE, SIZE);
    crown.polygon(scaled({{3, 6}, {8, 4}, {7, 1}, {11, 3}, {12, 0}, {13, 3}, {17, 1}, {16, 4}, {21, 6}, {15, 7},
                          {12, 9}, {9, 7}}));
    paint(img, crown, LEAF.light);
    Mask crown_lower = crown;
    crown_lower.subtract(crown.shifted(0, 2));
    paint(img, crown_lower, LEAF.dark);
    paint(img, crown.border(), LEAF.outline);
    img.set(12, 2, STEM);
    img.set(12, 3, STEM);
    return img;
}

Image orange() {
    Image img(SIZE, SIZE, MAGENTA);
    Mask m(SIZE, SIZE);
    m.disc(24, 27, 19);
    shade(img, m, 16, 19, 26, ORANGE);
    // Peel dimples.
    Mask inner = m;
    inner.subtract(m.border());
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x)
            if (inner.at(x, y) && (x * 3 + y * 5) % 7 == 0 && img.get(x, y) != ORANGE.shine)
                img.set(x, y, img.get(x, y) == ORANGE.light ? ORANGE.base : ORANGE.dark);
    // Navel with a little leaf.
    img.set(12, 4, STEM_DARK);
    img.set(12, 5, STEM);
    leaf(img, {{12, 4}, {15, 1}, {21, 0}, {19, 3}, {15, 5}}, 13, 4, 19, 1);
    return img;
}

Image apple() {
    Image img(SIZE, SIZE, MAGENTA);
    Mask m(SIZE, SIZE);
    m.disc(18, 28, 16);
    m.disc(30, 28, 16);
    m.disc(24, 10, 5, false);   // dip at the stem
    m.disc(24, 48, 4, false);   // dip at the bottom
    shade(img, m, 16, 20, 28, APPLE);
    img.set(7, 12, APPLE.shine);
    img.set(7, 13, APPLE.shine);
    stem(img, 11, 1, 12, 6);
    leaf(img, {{13, 4}, {16, 1}, {21, 1}, {19, 4}, {15, 5}}, 14, 4, 20, 2);
    return img;
}

Image grapes() {
    Image img(SIZE, SIZE, MAGENTA);
    stem(img, 11, 0, 11, 4);
    leaf(img, {{12, 2}, {16, 0}, {22, 1}, {19, 4}, {14, 4}}, 13, 2, 20, 1);
    const int berries[][2] = {{14, 13}, {24, 13}, {34, 13}, {9, 22}, {19, 22}, {29, 22}, {39, 22},
                              {14, 31}, {24, 31}, {34, 31}, {19, 40}, {29, 40}};
    for (auto& b : berries) ball(img, b[0], b[1], 7, GRAPE);
    return img;
}

Image watermelon() {
    Image img(SIZE, SIZE, MAGENTA);
    // Half a round slice, flat cut on top.
    Mask slice(SIZE, SIZE);
    slice.disc(24, 16, 24);
    slice.rect(0, 0, SIZE - 1, 7, false);
    Mask flesh(SIZE, SIZE);
    flesh.disc(24, 16, 17);
    flesh.intersect(slice);
    Mask pith(SIZE, SIZE);
    pith.disc(24, 16, 19);
    pith.intersect(slice);

    Mask rind = slice;
    rind.subtract(pith);
    paint_radial(img, rind, 10, 24, {RIND.light, RIND.base, RIND.dark}, {12, 30});
    Mask white = pith;
    white.subtract(flesh);
    paint(img, white, Rgb{226, 244, 196});
    paint_radial(img, flesh, 24, 16, {MELON.light, MELON.base, MELON.dark}, {10, 26});
    // Cut face: a lighter top row.
    for (int x = 0; x < SIZE; ++x)
        if (flesh.at(x, 9)) img.set(x, 9, MELON.shine);
    paint(img, slice.border(), RIND.outline);
    for (int x = 0; x < SIZE; ++x)
        if (flesh.at(x, 8)) img.set(x, 8, MELON.outline);
    // Seeds.
    const int seeds[][2] = {{7, 12}, {11, 13}, {15, 12}, {9, 16}, {13, 16}};
    for (auto& s : seeds) {
        img.set(s[0], s[1], Rgb{36, 20, 20});
        img.set(s[0], s[1] + 1, Rgb{36, 20, 20});
        img.set(s[0] + 1, s[1], Rgb{120, 70, 60});
    }
    return img;
}

Image banana() {
    Image img(SIZE, SIZE, MAGENTA);
    Mask m(SIZE, SIZE);
    m.polygon(scaled({{3, 3}, {1, 8}, {3, 14}, {7, 18}, {13, 21}, {18, 21}, {23, 18}, {22, 15}, {17, 15},
                      {12, 13}, {9, 10}, {7, 6}, {6, 3}}));
    shade(img, m, 10, 30, 30, BANANA);
    // Sunlit inner curve.
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x)
            if (m.at(x, y) && m.at(x - 1, y + 1) && !m.at(x + 1, y - 1) && !m.border().at(x, y))
                img.set(x, y, BANANA.shine);
    // Brown stalk and tip.
    img.fill_rect(3, 1, 5, 3, STEM);
    img.set(5, 1, STEM_DARK);
    img.set(5, 2, STEM_DARK);
    img.fill_rect(21, 16, 22, 17, STEM_DARK);
    return img;
}

Image pineapple() {
    Image img(SIZE, SIZE, MAGENTA);
    // Crown of spiky leaves.
    Mask crown(SIZE, SIZE);
    crown.polygon(scaled({{6, 10}, {4, 3}, {9, 6}, {9, 0}, {12, 5}, {15, 0}, {15, 6}, {20, 3}, {18, 10}}));
    paint(img, crown, LEAF.base);
    Mask crown_light = crown;
    crown_light.subtract(crown.shifted(1, 0));
    paint(img, crown_light, LEAF.light);
    paint(img, crown.border(), LEAF.outline);

    Mask body(SIZE, SIZE);
    body.ellipse(24, 32, 14, 15);
    shade(img, body, 18, 24, 26, PINEAPPLE);
    // Criss-cross scales.
    Mask inner = body;
    inner.subtract(body.border());
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            if (!inner.at(x, y)) continue;
            if ((x + y) % 5 == 0 || (x - y + 25) % 5 == 0) img.set(x, y, PINEAPPLE.dark);
        }
    return img;
}
}  // namespace

void add_fruits(std::vector<Picture>& out) {
    Image (*makers[8])() = {cherries, strawberry, orange, apple, grapes, watermelon, banana, pineapple};
    for (int i = 0; i < 8; ++i)
        out.push_back({"fruit" + std::to_string(i + 1) + ".bmp", PictureKind::Fruit, makers[i]()});
}
