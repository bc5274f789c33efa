// Self-checks run on every picture before it is written, so a drawing
// change that breaks a rule the game depends on stops the build of data/.
#include <string>

#include "assets.hpp"

namespace {
// True when the game's 16-bit 5-6-5 conversion turns this colour into the wall colour.
bool converts_to_wall(Rgb c) { return (c.r >> 3) == 31 && (c.g >> 2) == 63 && (c.b >> 3) == 0; }

std::string where(int x, int y) { return " at (" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

std::string size_problem(const Image& img, int w, int h) {
    if (img.w == w && img.h == h) return "";
    return "size " + std::to_string(img.w) + "x" + std::to_string(img.h) + ", expected " + std::to_string(w) + "x" +
           std::to_string(h);
}

std::string sprite_problem(const Image& img, int vis_w, int vis_h) {
    int visible = 0;
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            Rgb c = img.get(x, y);
            if (converts_to_wall(c)) return "pixel in the wall colour" + where(x, y);
            if (c == MAGENTA) continue;
            if (x >= vis_w || y >= vis_h) return "visible pixel outside the drawing area" + where(x, y);
            ++visible;
        }
    if (visible * 8 < vis_w * vis_h) return "too few visible pixels";
    if (img.get(0, 0) != MAGENTA) return "corner is not transparent";
    return "";
}

std::string wall_problem(const Image& img) {
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            Rgb c = img.get(x, y);
            if (c != WALL_YELLOW && c != MAGENTA) return "wall piece pixel neither wall nor mask" + where(x, y);
        }
    // Rounding may only nibble at corners: the middle of every edge is solid.
    for (int i = 5; i <= 10; ++i)
        for (auto [x, y] : {std::pair{i, 0}, std::pair{i, 15}, std::pair{0, i}, std::pair{15, i}})
            if (img.get(x, y) != WALL_YELLOW) return "wall piece edge not solid" + where(x, y);
    return "";
}
}  // namespace

std::string picture_problem(const Picture& p) {
    const Image& img = p.image;
    std::string s;
    switch (p.kind) {
        case PictureKind::Title:
            return size_problem(img, 640, 480);
        case PictureKind::Wall:
            s = size_problem(img, 16, 16);
            return s.empty() ? wall_problem(img) : s;
        case PictureKind::Player:
            s = size_problem(img, 32, 32);
            return s.empty() ? sprite_problem(img, 32, 32) : s;
        case PictureKind::Ghost:
            s = size_problem(img, 32, 32);
            return s.empty() ? sprite_problem(img, 30, 30) : s;
        case PictureKind::Fruit:
            s = size_problem(img, 24, 24);
            return s.empty() ? sprite_problem(img, 24, 24) : s;
    }
    return "unknown picture kind";
}
