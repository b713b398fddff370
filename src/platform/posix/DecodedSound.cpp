// Sounds are decoded by SDL2's WAV reader over a memory stream that ends where the file's RIFF
// header says the file ends, and converted by SDL2's audio stream. The decoder and the
// resampler are SDL's; this file only bounds what they may read and how much they may make.
#include "platform/posix/DecodedSound.h"

#include <SDL.h>

#include <climits>
#include <optional>

#include "platform/posix/WinBase.h"

namespace platform {
namespace {

constexpr std::size_t riffHeaderSize = 8;
// Far above any real recording; higher rates would make SDL's resampler pad by megabytes.
constexpr int maxSourceRate = 768000;
// A header can claim a rate of 1 Hz, which would turn a few bytes into hours of output.
constexpr std::uint64_t maxOutputFrames = 5 * 60 * DecodedSound::outputRate;

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
};

std::shared_ptr<const DecodedSound> Refuse(DWORD error) {
  SetLastError(error);
  return nullptr;
}

// The tag is compared byte by byte so that a buffer shorter than four bytes that is not a RIFF
// file is read only as far as its first differing byte.
bool StartsWithRiffTag(const unsigned char* bytes) {
  for (char letter : {'R', 'I', 'F', 'F'}) {
    if (*bytes++ != static_cast<unsigned char>(letter)) return false;
  }
  return true;
}

// The whole file's length as its RIFF header states it; none when it is no RIFF file.
std::optional<std::uint64_t> ClaimedFileLength(const unsigned char* bytes) {
  if (!StartsWithRiffTag(bytes)) return std::nullopt;
  const std::uint32_t chunkSize =
      bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<std::uint32_t>(bytes[7]) << 24;
  return riffHeaderSize + chunkSize;
}

std::optional<LoadedWave> LoadWave(const unsigned char* file, int length) {
  SDL_RWops* stream = SDL_RWFromConstMem(file, length);
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

std::uint64_t OutputFrameCount(const LoadedWave& wave) {
  return wave.FrameCount() * DecodedSound::outputRate / static_cast<std::uint64_t>(wave.spec.freq);
}

bool FitsTheLimits(const LoadedWave& wave) {
  return wave.length <= INT_MAX && OutputFrameCount(wave) <= maxOutputFrames;
}

// Hands the whole frames of the wave to the stream. SDL's reader can leave a partial frame at
// the end of a cut-off data chunk, and the stream takes whole frames only. The last frame goes
// in on its own: SDL 2's stream flushes the frames its resampler holds back only when its
// staging buffer is not empty, and one large put bypasses that buffer, which would lose the
// last few hundred frames of every resampled sound.
bool PutWholeFrames(SDL_AudioStream* stream, const LoadedWave& wave) {
  const int frameSize = wave.FrameSize();
  const int frames = static_cast<int>(wave.FrameCount());
  if (frames == 0) return true;
  const int leadingBytes = (frames - 1) * frameSize;
  if (leadingBytes > 0 && SDL_AudioStreamPut(stream, wave.buffer.get(), leadingBytes) != 0) {
    return false;
  }
  return SDL_AudioStreamPut(stream, wave.buffer.get() + leadingBytes, frameSize) == 0;
}

// False when SDL cannot convert the format, such as a channel count it has no layout for.
bool ConvertToOutput(const LoadedWave& wave, std::vector<std::int16_t>& samples) {
  AudioStream stream(SDL_NewAudioStream(wave.spec.format, wave.spec.channels, wave.spec.freq,
                                        AUDIO_S16SYS, DecodedSound::outputChannels,
                                        DecodedSound::outputRate));
  if (!stream || !PutWholeFrames(stream.get(), wave) || SDL_AudioStreamFlush(stream.get()) != 0) {
    return false;
  }
  samples.resize(SDL_AudioStreamAvailable(stream.get()) / sizeof(std::int16_t));
  const int received = SDL_AudioStreamGet(stream.get(), samples.data(),
                                          static_cast<int>(samples.size() * sizeof(std::int16_t)));
  if (received < 0) return false;
  samples.resize(received / sizeof(std::int16_t));
  return true;
}

}  // namespace

std::shared_ptr<const DecodedSound> DecodedSound::FromRiffFile(const void* riffFile) {
  const auto* bytes = static_cast<const unsigned char*>(riffFile);
  const std::optional<std::uint64_t> length = ClaimedFileLength(bytes);
  if (!length) return Refuse(ERROR_INVALID_DATA);
  // SDL's memory stream measures its size in an int.
  if (*length > INT_MAX) return Refuse(ERROR_NOT_ENOUGH_MEMORY);
  const std::optional<LoadedWave> wave = LoadWave(bytes, static_cast<int>(*length));
  if (!wave || wave->spec.freq > maxSourceRate) return Refuse(ERROR_INVALID_DATA);
  if (!FitsTheLimits(*wave)) return Refuse(ERROR_NOT_ENOUGH_MEMORY);
  auto sound = std::make_shared<DecodedSound>();
  if (!ConvertToOutput(*wave, sound->samples)) return Refuse(ERROR_INVALID_DATA);
  sound->sourceRate = wave->spec.freq;
  sound->sourceChannels = wave->spec.channels;
  return sound;
}

}  // namespace platform
