// Pixel canvas, shape masks and the small set of drawing helpers the
// sprite and title generators share.  Everything works in integers so
// the output is identical on every machine and compiler.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

struct Rgb {
    std::uint8_t r, g, b;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool operator!=(Rgb a, Rgb b) { return !(a == b); }

// Transparent colour of masked sprites.
constexpr Rgb MAGENTA{255, 0, 255};
// Solid colour of maze walls; the game detects walls by this exact colour.
constexpr Rgb WALL_YELLOW{255, 255, 0};

// Blend a toward b by num/den (integer, rounded).
Rgb mix(Rgb a, Rgb b, int num, int den);

struct Image {
    int w = 0, h = 0;
    std::vector<Rgb> px;

    Image(int width, int height, Rgb fill);
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Rgb get(int x, int y) const { return px[static_cast<std::size_t>(y * w + x)]; }
    void set(int x, int y, Rgb c) {
        if (inside(x, y)) px[static_cast<std::size_t>(y * w + x)] = c;
    }
    void fill_rect(int x0, int y0, int x1, int y1, Rgb c);  // inclusive corners
    void line(int x0, int y0, int x1, int y1, Rgb c);
};

// A set of pixels.  Shapes are added in half-pixel units ("2x" coordinates):
// the centre of pixel (x, y) is (2x+1, 2y+1), so shapes can be centred on
// pixel corners or pixel centres alike.
struct Mask {
    int w = 0, h = 0;
    std::vector<std::uint8_t> bits;

    Mask(int width, int height);
    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < w && y < h && bits[static_cast<std::size_t>(y * w + x)];
    }
    void put(int x, int y, bool on) {
        if (x >= 0 && y >= 0 && x < w && y < h) bits[static_cast<std::size_t>(y * w + x)] = on ? 1 : 0;
    }
    int count() const;

    void disc(int cx2, int cy2, int r2, bool on = true);
    void ellipse(int cx2, int cy2, int rx2, int ry2, bool on = true);
    // Closed polygon, vertices in 2x units; pixel centres inside are set.
    void polygon(const std::vector<std::pair<int, int>>& pts, bool on = true);
    void rect(int x0, int y0, int x1, int y1, bool on = true);  // whole pixels, inclusive
    void line(int x0, int y0, int x1, int y1, bool on = true);  // whole pixels
    void unite(const Mask& o);
    void subtract(const Mask& o);
    void intersect(const Mask& o);
    Mask shifted(int dx, int dy) const;
    Mask dilated(int radius) const;  // by a round brush
    Mask border() const;             // pixels with a 4-neighbour outside the mask
};

// Paints every pixel of `m` with a shade chosen by its distance from a
// highlight point (2x units): shades[0] nearest, the last one farthest.
// `limits2` holds the upper distance bound of each shade but the last, in
// 2x units, increasing.
void paint_radial(Image& img, const Mask& m, int hx2, int hy2, const std::vector<Rgb>& shades,
                  const std::vector<int>& limits2);
void paint(Image& img, const Mask& m, Rgb c);

// 2x units helpers: centre of pixel x, and a pixel corner.
constexpr int C2(int x) { return 2 * x + 1; }
