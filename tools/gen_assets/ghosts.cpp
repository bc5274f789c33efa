// The four ghosts (one picture per direction of gaze) and the frightened
// ghost with its flashing variant.  All visible pixels stay within the
// top-left 30x30 of the 32x32 picture: the game draws ghosts one pixel in
// from their cell's corner.
#include <cstdlib>
#include <string>

#include "assets.hpp"

namespace {
constexpr int SIZE = 32;
constexpr int BODY = 30;  // visible width and height

struct Palette {
    Rgb light, base, dark, outline;
};

// Ghost silhouette: a round dome over straight sides and a skirt of four
// feet (two whole ones in the middle, a half one at each side).
Mask body_shape() {
    Mask m(SIZE, SIZE);
    m.disc(BODY, BODY, BODY - 1);  // dome, 2x units: centre (15, 15), radius 14.5
    for (int x = 0; x < BODY; ++x) {
        // Distance (2x units) to the nearest foot tip; tips at 2x = 0, 20, 40, 60.
        int t = C2(x) % 20;
        int d = t < 10 ? t : 20 - t;
        int bottom = BODY - 1 - (d * d) / 17;  // rounded notches up to 5 px deep
        for (int y = BODY / 2; y <= bottom; ++y) m.put(x, y, true);
    }
    return m;
}

void paint_body(Image& img, const Mask& body, const Palette& p) {
    paint_radial(img, body, 16, 12, {p.light, p.base, p.dark}, {9, 36});
    paint(img, body.border(), p.outline);
}

// Eyes looking in direction dir (0 up, 1 right, 2 down, 3 left).
void paint_eyes(Image& img, int dir) {
    static const int DX[4] = {0, 1, 0, -1};
    static const int DY[4] = {-1, 0, 1, 0};
    const Rgb white{250, 250, 255}, white_shade{196, 204, 228}, pupil{26, 36, 150}, pupil_shine{90, 110, 220};
    for (int side = 0; side < 2; ++side) {
        int ex2 = (side == 0 ? 19 : 41) + 4 * DX[dir];  // eye centre, 2x units
        int ey2 = 24 + 4 * DY[dir];
        Mask eye(SIZE, SIZE);
        eye.ellipse(ex2, ey2, 8, 10);
        paint(img, eye, white);
        Mask lower = eye.shifted(0, -2);
        Mask rim = eye;
        rim.subtract(lower);
        paint(img, rim, white_shade);
        // Pupil: 4x4 with clipped corners, pushed to the side it looks at.
        int px = (ex2 - 1) / 2 + 3 * DX[dir] - 1;  // top-left pixel of the pupil
        int py = (ey2 - 1) / 2 + 3 * DY[dir] - 1;
        Mask pup(SIZE, SIZE);
        pup.rect(px, py, px + 3, py + 3);
        pup.put(px, py, false);
        pup.put(px + 3, py, false);
        pup.put(px, py + 3, false);
        pup.put(px + 3, py + 3, false);
        pup.intersect(eye);
        paint(img, pup, pupil);
        img.set(px + 1, py + 1, pupil_shine);
    }
}

Image ghost(const Palette& p, int dir) {
    Image img(SIZE, SIZE, MAGENTA);
    Mask body = body_shape();
    paint_body(img, body, p);
    paint_eyes(img, dir);
    return img;
}

// Frightened ghost: small dot eyes and a wobbly mouth in `face`.
Image frightened(const Palette& p, Rgb face) {
    Image img(SIZE, SIZE, MAGENTA);
    Mask body = body_shape();
    paint_body(img, body, p);
    img.fill_rect(9, 10, 11, 12, face);
    img.fill_rect(18, 10, 20, 12, face);
    // Wobbly zigzag mouth.
    for (int i = 0; i < 9; ++i) {
        int x = 6 + 2 * i;
        img.line(x, i % 2 ? 19 : 21, x + 2, i % 2 ? 21 : 19, face);
    }
    return img;
}
}  // namespace

void add_ghosts(std::vector<Picture>& out) {
    struct Named {
        const char* name;
        Palette pal;
    };
    const Named ghosts[4] = {
        {"rusko", {{255, 112, 104}, {232, 36, 40}, {164, 16, 30}, {80, 6, 16}}},
        {"velda", {{255, 200, 232}, {255, 138, 200}, {212, 82, 152}, {104, 28, 76}}},
        {"tobin", {{160, 244, 252}, {40, 206, 228}, {16, 138, 172}, {8, 60, 88}}},
        {"marno", {{255, 204, 128}, {255, 148, 36}, {204, 94, 14}, {96, 42, 8}}},
    };
    const char* suffix[4] = {"_u", "_r", "_d", "_l"};
    for (const Named& g : ghosts)
        for (int dir = 0; dir < 4; ++dir)
            out.push_back({std::string(g.name) + suffix[dir] + ".bmp", PictureKind::Ghost, ghost(g.pal, dir)});

    const Palette blue{{86, 104, 240}, {36, 48, 204}, {20, 26, 142}, {8, 10, 72}};
    const Palette pale{{255, 255, 255}, {232, 234, 250}, {188, 192, 226}, {110, 112, 150}};
    out.push_back({"ghostblue.bmp", PictureKind::Ghost, frightened(blue, Rgb{255, 212, 176})});
    out.push_back({"ghostblueflash.bmp", PictureKind::Ghost, frightened(pale, Rgb{226, 28, 44})});
}
