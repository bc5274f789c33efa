#include "image.hpp"

#include <cstdlib>

Rgb mix(Rgb a, Rgb b, int num, int den) {
    auto m = [&](int p, int q) { return static_cast<std::uint8_t>((p * (den - num) + q * num + den / 2) / den); };
    return Rgb{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Image::Image(int width, int height, Rgb fill)
    : w(width), h(height), px(static_cast<std::size_t>(width * height), fill) {}

void Image::fill_rect(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) set(x, y, c);
}

namespace {
// Bresenham, calling f for each pixel.
template <class F>
void walk_line(int x0, int y0, int x1, int y1, F f) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        f(x0, y0);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}
}  // namespace

void Image::line(int x0, int y0, int x1, int y1, Rgb c) {
    walk_line(x0, y0, x1, y1, [&](int x, int y) { set(x, y, c); });
}

Mask::Mask(int width, int height) : w(width), h(height), bits(static_cast<std::size_t>(width * height), 0) {}

int Mask::count() const {
    int n = 0;
    for (auto b : bits) n += b;
    return n;
}

void Mask::disc(int cx2, int cy2, int r2, bool on) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            long dx = C2(x) - cx2, dy = C2(y) - cy2;
            if (dx * dx + dy * dy <= static_cast<long>(r2) * r2) put(x, y, on);
        }
}

void Mask::ellipse(int cx2, int cy2, int rx2, int ry2, bool on) {
    long rx = rx2, ry = ry2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            long dx = C2(x) - cx2, dy = C2(y) - cy2;
            if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry) put(x, y, on);
        }
}

void Mask::polygon(const std::vector<std::pair<int, int>>& pts, bool on) {
    const std::size_t n = pts.size();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            long px = C2(x), py = C2(y);
            bool in = false;
            for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                long ax = pts[i].first, ay = pts[i].second;
                long bx = pts[j].first, by = pts[j].second;
                if ((ay > py) != (by > py)) {
                    // px < ax + (py - ay) * (bx - ax) / (by - ay)
                    long lhs = (px - ax) * (by - ay);
                    long rhs = (py - ay) * (bx - ax);
                    if (by - ay > 0 ? lhs < rhs : lhs > rhs) in = !in;
                }
            }
            if (in) put(x, y, on);
        }
}

void Mask::rect(int x0, int y0, int x1, int y1, bool on) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) put(x, y, on);
}

void Mask::line(int x0, int y0, int x1, int y1, bool on) {
    walk_line(x0, y0, x1, y1, [&](int x, int y) { put(x, y, on); });
}

void Mask::unite(const Mask& o) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (o.at(x, y)) put(x, y, true);
}

void Mask::subtract(const Mask& o) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (o.at(x, y)) put(x, y, false);
}

void Mask::intersect(const Mask& o) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!o.at(x, y)) put(x, y, false);
}

Mask Mask::shifted(int dx, int dy) const {
    Mask r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y)) r.put(x + dx, y + dy, true);
    return r;
}

Mask Mask::dilated(int radius) const {
    Mask r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!at(x, y)) continue;
            for (int j = -radius; j <= radius; ++j)
                for (int i = -radius; i <= radius; ++i)
                    if (i * i + j * j <= radius * radius + radius / 2) r.put(x + i, y + j, true);
        }
    return r;
}

Mask Mask::border() const {
    Mask r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y) && (!at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1))) r.put(x, y, true);
    return r;
}

void paint_radial(Image& img, const Mask& m, int hx2, int hy2, const std::vector<Rgb>& shades,
                  const std::vector<int>& limits2) {
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            if (!m.at(x, y)) continue;
            long dx = C2(x) - hx2, dy = C2(y) - hy2;
            long d = dx * dx + dy * dy;
            std::size_t k = 0;
            while (k < limits2.size() && d > static_cast<long>(limits2[k]) * limits2[k]) ++k;
            if (k >= shades.size()) k = shades.size() - 1;
            img.set(x, y, shades[k]);
        }
}

void paint(Image& img, const Mask& m, Rgb c) {
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            if (m.at(x, y)) img.set(x, y, c);
}
