// What the fuzz targets share: the library started without a display, with
// 16-bit 5-6-5 pictures as in the game, and each input put in a file, since
// the checks and the loaders read files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Starts the library once; call from LLVMFuzzerInitialize.
void start_library();

// The path of a file, private to this process, holding `data`.
const char *file_holding(const uint8_t *data, size_t size, const char *extension);

// Stops the run with a fault report, which libFuzzer saves as a crash.
[[noreturn]] void fault(const char *name, const std::string &what);
// A refusal must explain itself on one line.
void check_refusal(const char *name, const std::string &why);
