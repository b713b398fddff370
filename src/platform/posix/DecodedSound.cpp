// Sounds are decoded by SDL2's WAV reader over a memory stream that ends where the file ends,
// and converted by SDL2's audio stream a piece at a time, taking out what each piece made, so
// that the stream's own buffers stay small whatever the sound's length. The decoder and the
// resampler are SDL's; this file only bounds what they may read and how much they may make.
#include "platform/posix/DecodedSound.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <optional>

namespace platform {
namespace {

// About a second and a half of output a piece.
constexpr std::uint64_t outputFramesPerPiece = 65536;
// What the resampler may make beyond the exact rate ratio.
constexpr std::size_t resamplerSlackFrames = 4096;

struct WaveBufferRelease {
  void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

struct AudioStreamRelease {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

using AudioStream = std::unique_ptr<SDL_AudioStream, AudioStreamRelease>;

struct LoadedWave {
  SDL_AudioSpec spec{};
  std::unique_ptr<Uint8, WaveBufferRelease> buffer;
  Uint32 length = 0;

  int FrameSize() const { return SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels; }
  std::uint64_t FrameCount() const { return length / FrameSize(); }
  std::uint64_t OutputFrameCount() const {
    return FrameCount() * DecodedSound::outputRate / static_cast<std::uint64_t>(spec.freq);
  }
  // Source frames that make about outputFramesPerPiece frames of output; at least one.
  int FramesPerPiece() const {
    return static_cast<int>(std::max<std::uint64_t>(
        1,
        outputFramesPerPiece * static_cast<std::uint64_t>(spec.freq) / DecodedSound::outputRate));
  }
};

std::optional<LoadedWave> LoadWave(std::span<const std::uint8_t> file) {
  // SDL's memory stream measures its size in an int.
  if (file.size() > INT_MAX) return std::nullopt;
  SDL_RWops* stream = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (stream == nullptr) return std::nullopt;
  LoadedWave wave;
  Uint8* buffer = nullptr;
  const bool closeStream = true;
  if (SDL_LoadWAV_RW(stream, closeStream, &wave.spec, &buffer, &wave.length) == nullptr) {
    return std::nullopt;
  }
  wave.buffer.reset(buffer);
  return wave;
}

// What SDL made of the file, whatever its headers claimed.
bool FitsTheLimits(const LoadedWave& wave) {
  return wave.length <= INT_MAX &&
         wave.spec.freq >= static_cast<int>(DecodedSound::minSourceRate) &&
         wave.OutputFrameCount() <= DecodedSound::maxOutputFrames;
}

// Appends what the stream has converted so far.
bool TakeConverted(SDL_AudioStream* stream, std::vector<std::int16_t>& samples) {
  const int available = SDL_AudioStreamAvailable(stream);
  const std::size_t start = samples.size();
  samples.resize(start + available / sizeof(std::int16_t));
  const int received = SDL_AudioStreamGet(stream, samples.data() + start, available);
  if (received < 0) return false;
  samples.resize(start + received / sizeof(std::int16_t));
  return true;
}

// Hands the whole frames of the wave to the stream a piece at a time and takes out what each
// piece made. SDL's reader can leave a partial frame at the end of a cut-off data chunk, and
// the stream takes whole frames only. The last frame goes in on its own: SDL 2's stream
// flushes the frames its resampler holds back only when its staging buffer is not empty, and a
// large put bypasses that buffer, which would lose the last few hundred frames of every
// resampled sound. False when SDL fails or the work is abandoned.
bool ConvertPieces(SDL_AudioStream* stream, const LoadedWave& wave,
                   std::vector<std::int16_t>& samples, const std::function<bool()>& abandoned) {
  const int frameSize = wave.FrameSize();
  const int frames = static_cast<int>(wave.FrameCount());
  const int piece = wave.FramesPerPiece();
  for (int first = 0; first < frames - 1; first += piece) {
    const int count = std::min(piece, frames - 1 - first);
    if (abandoned() ||
        SDL_AudioStreamPut(stream, wave.buffer.get() + first * frameSize, count * frameSize) != 0 ||
        !TakeConverted(stream, samples)) {
      return false;
    }
  }
  if (frames > 0 &&
      SDL_AudioStreamPut(stream, wave.buffer.get() + (frames - 1) * frameSize, frameSize) != 0) {
    return false;
  }
  return SDL_AudioStreamFlush(stream) == 0 && TakeConverted(stream, samples);
}

// False when SDL cannot convert the format, such as a channel count it has no layout for.
bool ConvertToOutput(const LoadedWave& wave, std::vector<std::int16_t>& samples,
                     const std::function<bool()>& abandoned) {
  AudioStream stream(SDL_NewAudioStream(wave.spec.format, wave.spec.channels, wave.spec.freq,
                                        AUDIO_S16SYS, DecodedSound::outputChannels,
                                        DecodedSound::outputRate));
  if (!stream) return false;
  samples.reserve((wave.OutputFrameCount() + resamplerSlackFrames) * DecodedSound::outputChannels);
  return ConvertPieces(stream.get(), wave, samples, abandoned);
}

}  // namespace

std::shared_ptr<const DecodedSound> DecodedSound::FromWaveFile(
    std::span<const std::uint8_t> file, const std::function<bool()>& abandoned) {
  const std::optional<LoadedWave> wave = LoadWave(file);
  if (!wave || !FitsTheLimits(*wave)) return nullptr;
  auto sound = std::make_shared<DecodedSound>();
  if (!ConvertToOutput(*wave, sound->samples, abandoned)) return nullptr;
  sound->sourceRate = wave->spec.freq;
  sound->sourceChannels = wave->spec.channels;
  return sound;
}

void DecodedSound::EndDecodingThread() { SDL_TLSCleanup(); }

}  // namespace platform
