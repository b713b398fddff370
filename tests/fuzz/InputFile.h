// Each fuzz input reaches the program the way a file does: written to the path the program
// reads, in the current folder (tests/fuzz/run-fuzzers starts every target in a folder of its
// own).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline void WriteInputFile(const char* path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
    std::perror(path);
    std::abort();
  }
}
