// The five sound effects: dot chomp, death tune, pill/fruit chime, start
// jingle and ghost-eaten sweep.
#include "assets.hpp"
#include "synth.hpp"

namespace {
constexpr int FULL_PEAK = 26000;  // about -2 dB, leaves headroom

// A short two-part "chomp": a falling then rising triangle blip.
std::vector<std::int16_t> eating() {
    Mixer m(ms(100));
    Note down;
    down.start = 0, down.length = ms(48), down.f0 = 620000, down.f1 = 260000;
    down.wave = Wave::Triangle, down.amp = 20000, down.attack = ms(2), down.release = ms(6);
    m.add(down);
    Note up = down;
    up.start = ms(50), up.length = ms(48), up.f0 = 280000, up.f1 = 560000, up.release = ms(10);
    m.add(up);
    Note bite;  // a little grit on the downbeat
    bite.start = 0, bite.length = ms(30), bite.f0 = bite.f1 = 3000000, bite.wave = Wave::Noise;
    bite.amp = 3000, bite.attack = ms(1), bite.release = ms(20);
    m.add(bite);
    return m.finish(40000, 20000);
}

// Falling tune: a chain of gliding notes stepping down in thirds, then a
// final low double thump.  About two seconds.
std::vector<std::int16_t> dies() {
    Mixer m(ms(2050));
    const int steps[] = {83, 79, 76, 72, 71, 67, 64, 60, 59, 55};
    int t = ms(60);
    int amp = 14000;
    for (int note : steps) {
        Note n;
        n.start = t, n.length = ms(140);
        n.f0 = midi_freq(note), n.f1 = midi_freq(note - 2);
        n.wave = Wave::Pulse25, n.amp = amp, n.attack = ms(3), n.release = ms(30);
        n.vibrato_depth = n.f0 / 40, n.vibrato_rate = 18000;
        m.add(n);
        t += ms(130);
        amp -= 600;
    }
    for (int k = 0; k < 2; ++k) {
        Note thump;
        thump.start = t + ms(60) + k * ms(220), thump.length = ms(200);
        thump.f0 = midi_freq(43 - 5 * k), thump.f1 = midi_freq(31 - 5 * k);
        thump.wave = Wave::Square, thump.amp = 12000, thump.attack = ms(3), thump.release = ms(80);
        m.add(thump);
    }
    return m.finish(30000, FULL_PEAK);
}

// Bright bell-like arpeggio.
std::vector<std::int16_t> chime() {
    Mixer m(ms(310));
    const int notes[] = {88, 95, 100};  // E6, B6, E7
    for (int i = 0; i < 3; ++i) {
        Note n;
        n.start = i * ms(45), n.length = ms(310) - i * ms(45);
        n.f0 = n.f1 = midi_freq(notes[i]);
        n.wave = Wave::Sine, n.amp = 11000, n.attack = ms(2), n.release = ms(40);
        n.decay = 65520;  // rings down over about a fifth of a second
        m.add(n);
        Note overtone = n;  // inharmonic partial for the metallic ring
        overtone.f0 = overtone.f1 = n.f0 * 27 / 10;
        overtone.amp = 3000, overtone.decay = 65500;
        m.add(overtone);
    }
    return m.finish(60000, FULL_PEAK);
}

// Start jingle: sixteen eighth notes at 160 beats a minute; a pulse-wave
// melody over a bouncing triangle bass and a soft off-beat tick, ending
// on a held major chord.
std::vector<std::int16_t> intro() {
    const int EIGHTH = ms(1000) * 60 / 160 / 2;
    Mixer m(16 * EIGHTH + ms(60));
    // Melody, one MIDI note per eighth; 0 holds the previous note.
    const int melody[16] = {72, 76, 79, 84, 83, 79, 76, 79, 81, 77, 74, 77, 79, 83, 84, 0};
    // Bass roots, one per pair of eighths (root, then octave above).
    const int bass[8] = {48, 43, 40, 43, 38, 41, 43, 48};

    for (int i = 0; i < 16; ++i) {
        if (!melody[i]) continue;
        int len = 1;
        while (i + len < 16 && melody[i + len] == 0) ++len;
        const bool last = i + len == 16;
        Note n;
        n.start = i * EIGHTH;
        n.length = last ? len * EIGHTH + ms(60) : EIGHTH * 4 / 5;
        n.f0 = n.f1 = midi_freq(melody[i]);
        n.wave = Wave::Pulse25, n.amp = 9000, n.attack = ms(4), n.release = last ? ms(200) : ms(25);
        n.decay = 65533;
        if (last) n.vibrato_depth = n.f0 / 120, n.vibrato_rate = 6000;
        m.add(n);
        Note echo = n;  // quiet octave-down doubling for body
        echo.f0 = echo.f1 = midi_freq(melody[i] - 12);
        echo.wave = Wave::Square, echo.amp = 2500;
        m.add(echo);
    }
    for (int i = 0; i < 15; ++i) {
        const bool last = i == 14;  // the closing root rings to the end
        Note b;
        b.start = i * EIGHTH;
        b.length = last ? 2 * EIGHTH + ms(60) : EIGHTH * 9 / 10;
        b.f0 = b.f1 = midi_freq(bass[i / 2] + (i % 2 && !last ? 12 : 0));
        b.wave = Wave::Triangle, b.amp = 14000, b.attack = ms(3), b.release = last ? ms(200) : ms(20);
        m.add(b);
        if (i % 2) {
            Note tick;
            tick.start = i * EIGHTH, tick.length = ms(40), tick.f0 = tick.f1 = 9000000;
            tick.wave = Wave::Noise, tick.amp = 2200, tick.attack = ms(1), tick.release = ms(35);
            m.add(tick);
        }
    }
    // Final chord under the last melody note: E5 and G5.
    for (int note : {76, 79}) {
        Note c;
        c.start = 14 * EIGHTH, c.length = 2 * EIGHTH + ms(60);
        c.f0 = c.f1 = midi_freq(note);
        c.wave = Wave::Pulse25, c.amp = 4000, c.attack = ms(4), c.release = ms(200);
        m.add(c);
    }
    return m.finish(36000, FULL_PEAK);
}

// Rising warbling sweep.
std::vector<std::int16_t> eat_ghost() {
    Mixer m(ms(400));
    Note n;
    n.length = ms(400), n.f0 = 180000, n.f1 = 1500000;
    n.wave = Wave::Square, n.amp = 12000, n.attack = ms(3), n.release = ms(60);
    n.vibrato_depth = 90000, n.vibrato_rate = 28000;
    m.add(n);
    Note under = n;
    under.f0 /= 2, under.f1 /= 2, under.wave = Wave::Triangle, under.amp = 9000;
    m.add(under);
    return m.finish(34000, FULL_PEAK);
}
}  // namespace

void add_sounds(std::vector<Sound>& out) {
    out.push_back({"eating.wav", eating()});
    out.push_back({"dies.wav", dies()});
    out.push_back({"fruitorpowerpill.wav", chime()});
    out.push_back({"intro.wav", intro()});
    out.push_back({"eatghost.wav", eat_ghost()});
}
