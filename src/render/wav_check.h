// A look at a WAV file's chunks before the sound loader reads it. The loader
// trusts them: a lying data length makes it allocate up to 2 GB, a missing or
// late format chunk makes it guess the format, a sample rate of 0 or -1 is
// taken as it is, and a cut-off data chunk gives an empty sound.
#pragma once

#include <string>

const int MIN_SAMPLE_RATE = 1000;
const int MAX_SAMPLE_RATE = 192000;

// True when `name` is a RIFF/WAVE file whose every chunk lies inside the file,
// with a PCM "fmt " chunk (1 or 2 channels, 8 or 16 bits, 1000 to 192000 Hz)
// before one non-empty "data" chunk of whole sample frames. Otherwise false
// with the reason in *why.
bool check_wav_file(const char *name, std::string *why);
