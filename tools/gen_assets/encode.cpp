#include "encode.hpp"

namespace {
void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}
void put_tag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}
}  // namespace

// A picture's colours in the order its file rows (bottom up) first show
// them; empty when there are more than 256.
static std::vector<Rgb> colour_table(const Image& img) {
    std::vector<Rgb> table;
    for (int y = img.h - 1; y >= 0; --y)
        for (int x = 0; x < img.w; ++x) {
            Rgb c = img.get(x, y);
            bool known = false;
            for (Rgb t : table) known = known || t == c;
            if (known) continue;
            if (table.size() == 256) return {};
            table.push_back(c);
        }
    return table;
}

std::vector<std::uint8_t> encode_bmp(const Image& img, bool indexed) {
    const std::vector<Rgb> table = indexed ? colour_table(img) : std::vector<Rgb>();
    const std::uint32_t bits = table.empty() ? 24 : 8;
    const std::uint32_t row_bytes = (static_cast<std::uint32_t>(img.w) * bits / 8 + 3) & ~3u;
    const std::uint32_t data_bytes = row_bytes * static_cast<std::uint32_t>(img.h);
    const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(table.size());
    std::vector<std::uint8_t> out;
    out.reserve(offset + data_bytes);
    // File header.
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + data_bytes);
    put32(out, 0);
    put32(out, offset);
    // BITMAPINFOHEADER.
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(img.w));
    put32(out, static_cast<std::uint32_t>(img.h));  // positive: bottom-up
    put16(out, 1);                                  // planes
    put16(out, bits);                               // bits per pixel
    put32(out, 0);                                  // no compression
    put32(out, data_bytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(table.size()));  // colours in the table
    put32(out, 0);
    for (Rgb c : table) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = img.h - 1; y >= 0; --y) {
        std::uint32_t n = 0;
        for (int x = 0; x < img.w; ++x) {
            Rgb c = img.get(x, y);
            if (bits == 8) {
                std::uint8_t i = 0;
                while (table[i] != c) ++i;
                out.push_back(i);
                n += 1;
            } else {
                out.push_back(c.b);
                out.push_back(c.g);
                out.push_back(c.r);
                n += 3;
            }
        }
        for (; n < row_bytes; ++n) out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> encode_wav(const std::vector<std::int16_t>& samples) {
    const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size()) * 2;
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_bytes);
    put_tag(out, "RIFF");
    put32(out, 36 + data_bytes);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, SAMPLE_RATE);
    put32(out, SAMPLE_RATE * 2);  // byte rate
    put16(out, 2);                // block align
    put16(out, 16);               // bits per sample
    put_tag(out, "data");
    put32(out, data_bytes);
    for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return out;
}
