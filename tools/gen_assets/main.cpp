// gen_assets <output-directory>
//
// Writes every picture and sound the game loads.  The output depends on
// nothing but this program: running it twice gives identical bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets.hpp"
#include "encode.hpp"

namespace {
bool write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-directory>\n", argc > 0 ? argv[0] : "gen_assets");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    std::vector<Picture> pictures;
    add_title(pictures);
    add_wall_pieces(pictures);
    add_player_frames(pictures);
    add_ghosts(pictures);
    add_fruits(pictures);
    std::vector<Sound> sounds;
    add_sounds(sounds);

    int failures = 0;
    for (const Picture& p : pictures) {
        std::string problem = picture_problem(p);
        if (!problem.empty()) {
            std::fprintf(stderr, "%s: %s\n", p.name.c_str(), problem.c_str());
            ++failures;
        }
    }
    if (failures) return 1;

    // The title is by far the largest file: with a colour table it is a
    // third of the bytes to download and to read at start-up. The loader
    // turns either into the same 16-bit picture.
    for (const Picture& p : pictures)
        if (!write_file(dir / p.name, encode_bmp(p.image, p.kind == PictureKind::Title))) {
            std::fprintf(stderr, "cannot write %s\n", (dir / p.name).c_str());
            return 1;
        }
    for (const Sound& s : sounds)
        if (!write_file(dir / s.name, encode_wav(s.samples))) {
            std::fprintf(stderr, "cannot write %s\n", (dir / s.name).c_str());
            return 1;
        }
    return 0;
}
