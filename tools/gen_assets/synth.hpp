// A tiny integer-only synthesiser for the game's sound effects: tone
// generators with pitch slides, vibrato and envelopes, mixed into a buffer
// and finished into 16-bit samples.
#pragma once

#include <cstdint>
#include <vector>

#include "encode.hpp"

enum class Wave { Square, Pulse25, Triangle, Sine, Noise };

struct Note {
    int start = 0;           // first sample
    int length = 0;          // samples
    int f0 = 440000;         // frequency at the start, millihertz
    int f1 = 440000;         // frequency at the end (linear slide), millihertz
    Wave wave = Wave::Square;
    int amp = 8000;          // peak amplitude before finishing
    int attack = 44;         // samples of linear fade-in
    int release = 220;       // samples of linear fade-out at the end
    int decay = 65536;       // per-sample level multiplier, 16.16 (65536 = hold)
    int vibrato_depth = 0;   // millihertz
    int vibrato_rate = 0;    // millihertz
};

constexpr int ms(int milliseconds) { return SAMPLE_RATE * milliseconds / 1000; }

// Frequency of a MIDI note number in millihertz (A4 = 69 = 440 Hz).
int midi_freq(int note);

class Mixer {
public:
    explicit Mixer(int length) : buf_(static_cast<std::size_t>(length), 0) {}
    void add(const Note& n);
    // Low-pass filters (one pole, coefficient 16.16), scales the loudest
    // sample to `peak` and returns the samples.
    std::vector<std::int16_t> finish(int lowpass, int peak) const;

private:
    std::vector<std::int32_t> buf_;
    std::uint32_t noise_ = 0xace1u;
};
