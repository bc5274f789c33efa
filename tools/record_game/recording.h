// Recorded games: the arrow keys held in every frame of a game, a check
// value of the game record after each frame, and the final state. Written
// by record_game, read back by the replay tests. Needs the headless test
// support (tests/headless.h) for the stand-in platform.
#pragma once

#include <allegro.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/random.h"
#include "../../tests/headless.h"
#include "render/draw_frame.h"

namespace recording {

const int ARROWS[4] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN};

// "LRUD" as four 0/1 characters.
inline void hold_arrows(const std::string &bits) {
  for (int i = 0; i < 4; ++i) key[ARROWS[i]] = bits[i] == '1';
}

inline std::string held_arrows() {
  std::string bits;
  for (int i = 0; i < 4; ++i) bits += key[ARROWS[i]] ? '1' : '0';
  return bits;
}

// FNV-1a over the whole game record.
inline uint32_t check_value() {
  const unsigned char *p = reinterpret_cast<const unsigned char *>(&game);
  uint32_t h = 2166136261u;
  for (size_t i = 0; i < sizeof game; ++i) h = (h ^ p[i]) * 16777619u;
  return h;
}

typedef std::vector<std::pair<std::string, long>> State;

// Counters taken when the game starts, so the final state counts from there.
struct Start {
  long draws = 0, seeds = 0;
};

// A new game as the game cycle starts one, on the stand-in platform.
inline Start begin_game() {
  use_fake_platform();
  game = GameState();
  blink_counter = 0;
  clear_to_color(back_buffer, 0);
  Start s;
  s.draws = random_draws;
  s.seeds = random_seeds;
  start_game();
  return s;
}

inline State final_state(const Start &start, int frames, bool ended) {
  State s;
  auto add = [&s](const std::string &name, long v) { s.push_back({name, v}); };
  add("frames", frames);
  add("ended", ended);
  add("score", game.score);
  add("lives", game.lives);
  add("level", game.level);
  add("player_x", game.player_x);
  add("player_y", game.player_y);
  add("player_dir", game.player_dir);
  for (int k = 0; k < GHOSTS; ++k) {
    std::string g = "ghost" + std::to_string(k) + "_";
    add(g + "x", game.ghost_x[k]);
    add(g + "y", game.ghost_y[k]);
    add(g + "dir", game.ghost_dir[k]);
    add(g + "mode", game.ghost_mode[k]);
  }
  add("fruit_state", game.fruit_state);
  add("fright_active", game.fright_active);
  add("fright_timer", game.fright_timer);
  add("ghost_points", game.ghost_points);
  add("pickups_left", count_pickups());
  add("random_draws", random_draws - start.draws);
  add("random_seeds", random_seeds - start.seeds);
  add("sounds", (long)fake.sounds.size());
  long rest_total = 0;
  for (int ms : fake.rests) rest_total += ms;
  add("rests", (long)fake.rests.size());
  add("rest_ms", rest_total);
  add("presents", fake.presents);
  return s;
}

struct Recording {
  std::vector<std::string> keys;     // per frame, "LRUD"
  std::vector<uint32_t> checks;      // check value after each frame
  State final;
};

inline void write(std::ostream &out, const Recording &r, const std::string &comment) {
  out << "# " << comment << "\n";
  out << "# one line per frame: arrow keys held (left right up down), check value after the frame\n";
  for (size_t i = 0; i < r.keys.size(); ++i) {
    char check[16];
    snprintf(check, sizeof check, "%08x", r.checks[i]);
    out << r.keys[i] << " " << check << "\n";
  }
  out << "final\n";
  for (auto &item : r.final) out << item.first << " " << item.second << "\n";
}

// False with a reason in `error` when the text is not a recording.
inline bool read(std::istream &in, Recording *r, std::string *error) {
  std::string line;
  bool in_final = false;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    if (line == "final") {
      in_final = true;
      continue;
    }
    std::istringstream fields(line);
    if (!in_final) {
      std::string bits, check;
      fields >> bits >> check;
      if (bits.size() != 4 || bits.find_first_not_of("01") != std::string::npos || check.size() != 8) {
        *error = "bad frame line " + std::to_string(number) + ": " + line;
        return false;
      }
      r->keys.push_back(bits);
      r->checks.push_back((uint32_t)std::stoul(check, nullptr, 16));
    } else {
      std::string name;
      long value;
      if (!(fields >> name >> value)) {
        *error = "bad final line " + std::to_string(number) + ": " + line;
        return false;
      }
      r->final.push_back({name, value});
    }
  }
  if (!in_final || r->final.empty()) {
    *error = "no final state";
    return false;
  }
  return true;
}

}  // namespace recording
