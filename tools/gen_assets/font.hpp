// The game's own 5x7 pixel font (with two descender rows), used to letter
// the title picture at any integer scale.
#pragma once

#include <string>

#include "image.hpp"

constexpr int GLYPH_W = 5;
constexpr int GLYPH_H = 9;    // 7 rows above the baseline, 2 below
constexpr int GLYPH_ADVANCE = 6;

// Width in pixels of `text` drawn with horizontal scale sx.
int text_width(const std::string& text, int sx);

// Sets the pixels of `text` in `m`, top-left of the first glyph at (x, y),
// each font pixel becoming an sx by sy block.
void stamp_text(Mask& m, int x, int y, const std::string& text, int sx, int sy);

// Draws `text` in a flat colour.
void draw_text(Image& img, int x, int y, const std::string& text, int scale, Rgb colour);
