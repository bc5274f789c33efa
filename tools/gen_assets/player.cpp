// The player: a round golden gobbler whose mouth opens toward the top of
// the picture.  Four frames from closed to wide open; the game rotates
// and mirrors them for the other directions.
#include "assets.hpp"

namespace {
constexpr int SIZE = 32;
constexpr int CX2 = 32, CY2 = 32;  // centre of the cell, 2x units
constexpr int R2 = 30;             // body radius 15 px

const Rgb HIGHLIGHT{255, 244, 170};
const Rgb LIGHT{255, 218, 72};
const Rgb MID{248, 182, 32};
const Rgb SHADE{222, 136, 18};
const Rgb DEEP{176, 92, 12};
const Rgb OUTLINE{96, 42, 8};
const Rgb EYE_WHITE{255, 255, 255};
const Rgb PUPIL{36, 18, 10};

// Half-opening of the mouth for each frame as a slope num/den (|dx| per dy).
struct Slope {
    int num, den;
};
constexpr Slope MOUTH[4] = {{1, 12}, {3, 10}, {6, 10}, {9, 10}};

Image frame(int f) {
    Mask body(SIZE, SIZE);
    body.disc(CX2, CY2, R2);

    // Mouth wedge, apex at the centre, opening upward.
    const int apex_y2 = CY2;
    Mask mouth(SIZE, SIZE);
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            int dy = apex_y2 - C2(y), dx = C2(x) - CX2;
            if (dx < 0) dx = -dx;
            if (dy > 0 && dx * MOUTH[f].den <= MOUTH[f].num * dy) mouth.put(x, y, true);
        }
    body.subtract(mouth);

    Image img(SIZE, SIZE, MAGENTA);
    // Light from the back-left of the creature.
    paint_radial(img, body, CX2 - 12, CY2 + 8, {HIGHLIGHT, LIGHT, MID, SHADE, DEEP}, {7, 15, 26, 34});
    Mask rim = body.border();
    paint(img, rim, OUTLINE);

    // Eye on the left, just behind the mouth.
    Mask eye(SIZE, SIZE);
    eye.rect(7, 9, 10, 13);
    for (auto [x, y] : {std::pair{7, 9}, std::pair{10, 9}, std::pair{7, 13}, std::pair{10, 13}}) eye.put(x, y, false);
    eye.intersect(body);
    Mask lid = eye.dilated(1);
    lid.intersect(body);
    paint(img, lid, OUTLINE);
    paint(img, eye, EYE_WHITE);
    Mask pupil(SIZE, SIZE);
    pupil.rect(8, 9, 9, 11);
    pupil.put(10, 10, true);
    pupil.intersect(eye);
    paint(img, pupil, PUPIL);
    return img;
}
}  // namespace

void add_player_frames(std::vector<Picture>& out) {
    const char* names[4] = {"gobu.bmp", "gobu1.bmp", "gobu2.bmp", "gobu3.bmp"};
    for (int f = 0; f < 4; ++f) out.push_back({names[f], PictureKind::Player, frame(f)});
}
