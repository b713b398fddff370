// A sound file decoded and converted to the one format every backend plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace platform {

struct DecodedSound {
  // The output format: interleaved signed 16-bit stereo at 44.1 kHz.
  static constexpr int outputRate = 44100;
  static constexpr int outputChannels = 2;
  // The source rates played. Far above any real recording, higher rates would make SDL's
  // resampler pad by megabytes; far below any, lower rates would make every byte of the file
  // hundreds of output frames, and SDL converts what it holds back in one piece.
  static constexpr std::uint32_t minSourceRate = 1000;
  static constexpr std::uint32_t maxSourceRate = 768000;
  // Five minutes: a few bytes at a low rate would otherwise be hours of output.
  static constexpr std::uint64_t maxOutputFrames = 5 * 60 * outputRate;

  // Decodes the RIFF/WAVE file `file` (read no further than its end) and converts it piece by
  // piece, asking `abandoned` between pieces whether the work is still wanted. Null when the
  // data is not a sound that can be played, when it would make more than maxOutputFrames, or
  // when the work was abandoned. May take long for long sounds: the player's thread calls it.
  static std::shared_ptr<const DecodedSound> FromWaveFile(std::span<const std::uint8_t> file,
                                                          const std::function<bool()>& abandoned);

  // Frees what SDL2 keeps for the calling thread (the text of its last error), which it would
  // otherwise lose when a thread it did not start ends: a thread that decoded sounds calls
  // this before it ends.
  static void EndDecodingThread();

  std::size_t FrameCount() const { return samples.size() / outputChannels; }

  std::vector<std::int16_t> samples;
  // The file's own rate and channel count, before conversion.
  int sourceRate = 0;
  int sourceChannels = 0;
};

}  // namespace platform
