#include "synth.hpp"

#include <algorithm>
#include <cstdlib>

int midi_freq(int note) {
    // 2^(1/12) in 2.30 fixed point.
    constexpr std::int64_t SEMITONE = 1137589835;
    std::int64_t f = std::int64_t{440000} << 8;  // 8 fraction bits keep the products within 64 bits
    for (int n = 69; n < note; ++n) f = (f * SEMITONE) >> 30;
    for (int n = 69; n > note; --n) f = (f << 30) / SEMITONE;
    return static_cast<int>((f + (1 << 7)) >> 8);
}

namespace {
// One period maps to the full 32-bit phase; results are in -32767..32767.
int sine(std::uint32_t phase) {
    // Bhaskara's approximation on each half period.
    const std::int64_t u = (phase & 0x7fffffffu) >> 15;  // 0..65535 across the half period
    const std::int64_t t = u * (65536 - u);              // up to 2^30
    const std::int64_t s = 16 * t * 32767 / ((std::int64_t{5} << 32) - 4 * t);
    return static_cast<int>(phase & 0x80000000u ? -s : s);
}

int triangle(std::uint32_t phase) {
    const std::int64_t p = phase >> 16;  // 0..65535
    const std::int64_t v = p < 32768 ? p * 4 - 65536 : (65536 - p) * 4 - 65536;  // -65536..65536
    return static_cast<int>(v * 32767 / 65536);
}
}  // namespace

void Mixer::add(const Note& n) {
    std::uint32_t phase = 0;
    std::uint32_t lfo = 0;
    std::int64_t level = 65536;  // decaying level, 16.16
    int noise_value = 0;
    std::uint32_t last_phase = 0;
    for (int i = 0; i < n.length; ++i) {
        const int at = n.start + i;
        if (at < 0 || at >= static_cast<int>(buf_.size())) continue;

        std::int64_t f = n.f0 + (std::int64_t{n.f1} - n.f0) * i / (n.length > 1 ? n.length - 1 : 1);
        if (n.vibrato_depth) f += std::int64_t{n.vibrato_depth} * triangle(lfo) / 32767;
        if (f < 0) f = 0;
        const std::uint32_t inc = static_cast<std::uint32_t>((f << 32) / (std::int64_t{SAMPLE_RATE} * 1000));
        lfo += static_cast<std::uint32_t>((std::int64_t{n.vibrato_rate} << 32) / (std::int64_t{SAMPLE_RATE} * 1000));

        int v = 0;
        switch (n.wave) {
            case Wave::Square: v = phase < 0x80000000u ? 32767 : -32767; break;
            case Wave::Pulse25: v = phase < 0x40000000u ? 32767 : -32767; break;
            case Wave::Triangle: v = triangle(phase); break;
            case Wave::Sine: v = sine(phase); break;
            case Wave::Noise:
                // New random value each period of the "frequency".
                if (phase < last_phase || i == 0) {
                    noise_ ^= noise_ << 7;
                    noise_ ^= noise_ >> 9;
                    noise_ ^= noise_ << 8;
                    noise_value = static_cast<int>(noise_ & 0xffff) - 32768;
                }
                v = noise_value;
                break;
        }
        last_phase = phase;
        phase += inc;

        std::int64_t env = level;
        if (i < n.attack) env = env * i / n.attack;
        const int left = n.length - 1 - i;
        if (left < n.release) env = env * left / n.release;
        buf_[static_cast<std::size_t>(at)] += static_cast<std::int32_t>(std::int64_t{v} * n.amp / 32767 * env / 65536);
        level = level * n.decay / 65536;
    }
}

std::vector<std::int16_t> Mixer::finish(int lowpass, int peak) const {
    std::vector<std::int32_t> filtered(buf_.size());
    std::int64_t y = 0;  // 16.16
    for (std::size_t i = 0; i < buf_.size(); ++i) {
        y += (std::int64_t{buf_[i]} * 65536 - y) * lowpass / 65536;
        filtered[i] = static_cast<std::int32_t>(y / 65536);
    }
    std::int64_t loudest = 1;
    for (std::int32_t s : filtered) loudest = std::max<std::int64_t>(loudest, std::abs(s));
    std::vector<std::int16_t> out(filtered.size());
    for (std::size_t i = 0; i < filtered.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::int64_t{filtered[i]} * peak / loudest);
    return out;
}
