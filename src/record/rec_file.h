// A recorded game as a file ("gobbler.rec"): the keys the rules read in each
// frame and what the game started from, enough to play it again frame for
// frame, and what it ended on, to prove it. The layout is in docs/recording.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern const char *const RECORDING_FILE;

const uint32_t REC_VERSION = 1;
const size_t REC_HEADER_BYTES = 72;
const size_t REC_MIN_BYTES = REC_HEADER_BYTES + 4;  // no key runs, the CRC
// Far beyond any game (a 10-minute game takes a few kilobytes): a file larger
// than this is refused before it is read.
const size_t REC_MAX_BYTES = 4u << 20;
const size_t REC_GAME_VERSION_BYTES = 16;

// Arrow bits of a frame's keys.
enum RecArrow : uint8_t { REC_LEFT = 1, REC_RIGHT = 2, REC_UP = 4, REC_DOWN = 8 };

// How the recorded game came to its end.
enum RecEnd : uint32_t {
  REC_END_LAST_LIFE = 0,     // the rules ended it in its last frame
  REC_END_BY_PLAYER = 1,     // Escape (or the pad's Back, or closing) in its last frame
  REC_END_WHILE_PAUSED = 2,  // ended while paused, after its last frame
  REC_END_NOT_ENDED = 3,     // still going when the recording stopped
};
const uint32_t REC_END_KINDS = 4;

// Frames in a row with the same arrows held.
struct KeyRun {
  uint8_t arrows;
  uint32_t frames;
};

struct Recording {
  std::string game_version;  // the program that recorded it
  // What the game started from beyond what every game resets.
  int32_t hi_score = 0;  // the stored record, drawn in the picture
  int32_t blink_counter = 0;
  int32_t fright_timer = 0;
  int32_t ghost_points = 0;
  // What it ended on.
  uint32_t frames = 0;  // frames in which the rules ran
  int32_t score = 0, level = 0, lives = 0;
  uint32_t check = 0;  // state_check_value() after the last frame
  uint32_t end = REC_END_NOT_ENDED;
  std::vector<KeyRun> runs;
};

// FNV-1a over the whole game record.
uint32_t state_check_value();
// CRC-32 as in zip and PNG.
uint32_t crc32_of(const unsigned char *bytes, size_t n, uint32_t crc = 0);

std::vector<unsigned char> encode_recording(const Recording &r);
// Reads a recording from its bytes: "" or the fault, one line for the player.
std::string decode_recording(const unsigned char *bytes, size_t n, Recording *r);
// Reads the file `path`: "" or the fault; files larger than REC_MAX_BYTES,
// directories and pipes are refused unread.
std::string load_recording_file(const char *path, Recording *r);
