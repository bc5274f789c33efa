// The recorded games in tests/recordings, read for the tests that replay them.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "../tools/record_game/recording.h"

inline recording::Recording load_recording(const std::string &name) {
  recording::Recording r;
  std::ifstream in(std::string(GOBBLER_TESTS_DIR) + "/recordings/" + name);
  std::string error;
  EXPECT_TRUE(recording::read(in, &r, &error)) << name << ": " << error;
  return r;
}
