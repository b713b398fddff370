// The bytes of "Highscore.dat" for a best result: saved, then splatted, each
// a 32-bit little-endian integer.
#pragma once

#include <cstdint>
#include <vector>

inline std::vector<std::uint8_t> StoredResult(int saved, int splatted) {
  std::vector<std::uint8_t> bytes;
  for (int value : {saved, splatted}) {
    for (int shift = 0; shift < 32; shift += 8) {
      bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
    }
  }
  return bytes;
}
