// A look at a WAV file's chunks before the sound loader reads it. The loader
// trusts them: a lying data length makes it allocate up to 2 GB, a missing or
// late format chunk makes it guess the format, a sample rate of 0 or -1 is
// taken as it is, a cut-off data chunk gives an empty sound, and a few stray
// bytes starting with "data" at the end are read as a second, broken sound.
#pragma once

#include <string>

const int MIN_SAMPLE_RATE = 1000;
const int MAX_SAMPLE_RATE = 192000;

// True when `name` is a RIFF/WAVE file the loader reads right, its chunks
// walked as the loader walks them (one right after the other, no pad bytes):
// a PCM "fmt " chunk (1 or 2 channels, 8 or 16 bits, 1000 to 192000 Hz)
// before one non-empty "data" chunk of whole sample frames inside the file,
// every chunk before it inside the file too, and nothing after it that the
// loader would read as another sound. Otherwise false with the reason and
// what to do in *why.
bool check_wav_file(const char *name, std::string *why);
