// The asset families the generator produces.  Each family appends its
// pictures or sounds; main.cpp checks and writes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.hpp"

enum class PictureKind {
    Title,   // full-screen background, no mask
    Wall,    // 16x16 maze piece: wall yellow and magenta only
    Player,  // 32x32 masked sprite
    Ghost,   // 32x32 masked sprite, visible part within 30x30
    Fruit,   // 24x24 masked sprite
};

struct Picture {
    std::string name;
    PictureKind kind;
    Image image;
};

struct Sound {
    std::string name;
    std::vector<std::int16_t> samples;
};

void add_wall_pieces(std::vector<Picture>& out);
void add_player_frames(std::vector<Picture>& out);
void add_ghosts(std::vector<Picture>& out);
void add_fruits(std::vector<Picture>& out);
void add_title(std::vector<Picture>& out);
void add_sounds(std::vector<Sound>& out);

// Returns an empty string when the picture follows the game's rules for
// its kind, otherwise a description of the first problem found.
std::string picture_problem(const Picture& p);
