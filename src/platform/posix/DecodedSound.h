// A sound file decoded and converted to the one format every backend plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

struct DecodedSound {
  // The output format: interleaved signed 16-bit stereo at 44.1 kHz.
  static constexpr int outputRate = 44100;
  static constexpr int outputChannels = 2;

  // Decodes the RIFF/WAVE file that starts at `riffFile`. Its length is the 8 bytes of the RIFF
  // header plus the size that header claims; not one byte beyond it is read. Returns null with
  // the last error set (ERROR_INVALID_DATA, ERROR_NOT_ENOUGH_MEMORY) when the data is not a
  // sound that can be played.
  static std::shared_ptr<const DecodedSound> FromRiffFile(const void* riffFile);

  std::size_t FrameCount() const { return samples.size() / outputChannels; }

  std::vector<std::int16_t> samples;
  // The file's own rate and channel count, before conversion.
  int sourceRate = 0;
  int sourceChannels = 0;
};

}  // namespace platform
