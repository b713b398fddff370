// RIFF/WAVE files made in memory for the sound tests, and exact-size buffers to play them from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Windows.h"

namespace sound_test {

// Offsets of the header fields in the files WaveFile makes.
inline constexpr std::size_t riffSizeOffset = 4;
inline constexpr std::size_t dataSizeOffset = 40;
inline constexpr std::size_t headerSize = 44;

inline constexpr std::uint16_t pcmTag = 1;
inline constexpr std::uint16_t floatTag = 3;

struct WaveFormat {
  std::uint16_t tag = pcmTag;
  std::uint16_t channels = 1;
  std::uint32_t rate = 44100;
  std::uint16_t bitsPerSample = 16;
};

// A file of a "fmt " chunk and a "data" chunk, every size in it true.
std::vector<unsigned char> WaveFile(const WaveFormat& format,
                                    const std::vector<unsigned char>& data);

// A file of `frames` frames in which channel c holds levels[c] (a fraction of full scale),
// encoded as the format says: 8-bit unsigned, 16-, 24- or 32-bit signed PCM, or 32-bit float.
std::vector<unsigned char> ConstantWave(const WaveFormat& format, std::size_t frames,
                                        const std::vector<double>& levels);

void PutUint32(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value);

// A heap block holding exactly the given bytes, so that AddressSanitizer reports a read of even
// one byte past them.
class ExactBuffer {
 public:
  explicit ExactBuffer(const std::vector<unsigned char>& bytes);

  // The block as PlaySoundW takes a sound in memory.
  LPCWSTR Sound() const { return reinterpret_cast<LPCWSTR>(bytes.get()); }

 private:
  std::unique_ptr<unsigned char[]> bytes;
};

// PlaySoundW as the game calls it: from memory, asynchronously, no default sound.
BOOL PlayFromMemory(const ExactBuffer& sound);

}  // namespace sound_test
