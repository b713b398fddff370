// Reading back what the generator wrote, for the tests: a file's bytes and
// the little-endian fields in them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace assets_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::uint32_t Field16(const Bytes& bytes, std::size_t at) {
  return bytes.at(at) | (bytes.at(at + 1) << 8);
}

inline std::uint32_t Field32(const Bytes& bytes, std::size_t at) {
  return Field16(bytes, at) | (Field16(bytes, at + 2) << 16);
}

}  // namespace assets_test
