// Maze wall pieces.  Walls are flat wall-yellow; the pieces only round off
// the outer corners of bar ends and outline corners.  The game turns them
// by quarter and half turns for the other orientations.
#include "assets.hpp"

namespace {
constexpr int CELL = 16;
constexpr int ROUND = 6;  // radius of the rounded corners, in pixels

// Clears the pixels of the corner square (ROUND x ROUND, touching corner
// (corner_x, corner_y) given as 0 or CELL) that lie outside the rounding circle.
void round_corner(Mask& m, int corner_x, int corner_y) {
    const int cx = corner_x == 0 ? ROUND : CELL - ROUND;
    const int cy = corner_y == 0 ? ROUND : CELL - ROUND;
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x) {
            const bool in_corner_x = corner_x == 0 ? x < cx : x >= cx;
            const bool in_corner_y = corner_y == 0 ? y < cy : y >= cy;
            if (!in_corner_x || !in_corner_y) continue;
            const int dx = C2(x) - 2 * cx, dy = C2(y) - 2 * cy;
            if (dx * dx + dy * dy > 4 * ROUND * ROUND + 2) m.put(x, y, false);
        }
}

Image piece(const Mask& m) {
    Image img(CELL, CELL, MAGENTA);
    paint(img, m, WALL_YELLOW);
    return img;
}
}  // namespace

void add_wall_pieces(std::vector<Picture>& out) {
    // Right-hand end of a horizontal bar: both right corners rounded.
    Mask bar_end(CELL, CELL);
    bar_end.rect(0, 0, CELL - 1, CELL - 1);
    round_corner(bar_end, CELL, 0);
    round_corner(bar_end, CELL, CELL);
    out.push_back({"mazer.bmp", PictureKind::Wall, piece(bar_end)});

    // Top-left corner of a wall outline: only the outer corner rounded.
    Mask corner(CELL, CELL);
    corner.rect(0, 0, CELL - 1, CELL - 1);
    round_corner(corner, 0, 0);
    out.push_back({"mazelcorner.bmp", PictureKind::Wall, piece(corner)});
}
