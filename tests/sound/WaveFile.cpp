#include "sound/WaveFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace sound_test {
namespace {

void AppendText(std::vector<unsigned char>& bytes, const char* text) {
  bytes.insert(bytes.end(), text, text + std::strlen(text));
}

void AppendUint(std::vector<unsigned char>& bytes, std::uint32_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) bytes.push_back(static_cast<unsigned char>(value >> 8 * i));
}

// One sample of `level` (-1 to 1) in the format's encoding.
void AppendSample(std::vector<unsigned char>& bytes, const WaveFormat& format, double level) {
  const int sampleBytes = format.bitsPerSample / 8;
  if (format.tag == floatTag) {
    AppendUint(bytes, std::bit_cast<std::uint32_t>(static_cast<float>(level)), 4);
  } else if (sampleBytes == 1) {
    AppendUint(bytes, static_cast<std::uint32_t>(std::lround(128 + level * 128)), 1);
  } else {
    const double fullScale = std::ldexp(1.0, format.bitsPerSample - 1);
    const auto value = static_cast<std::int64_t>(std::llround(level * fullScale));
    AppendUint(bytes, static_cast<std::uint32_t>(value), sampleBytes);
  }
}

}  // namespace

std::vector<unsigned char> WaveFile(const WaveFormat& format,
                                    const std::vector<unsigned char>& data) {
  const std::uint32_t blockAlign = format.channels * (format.bitsPerSample / 8);
  std::vector<unsigned char> file;
  AppendText(file, "RIFF");
  AppendUint(file, static_cast<std::uint32_t>(headerSize - 8 + data.size()), 4);
  AppendText(file, "WAVEfmt ");
  AppendUint(file, 16, 4);
  AppendUint(file, format.tag, 2);
  AppendUint(file, format.channels, 2);
  AppendUint(file, format.rate, 4);
  AppendUint(file, format.rate * blockAlign, 4);
  AppendUint(file, blockAlign, 2);
  AppendUint(file, format.bitsPerSample, 2);
  AppendText(file, "data");
  AppendUint(file, static_cast<std::uint32_t>(data.size()), 4);
  file.insert(file.end(), data.begin(), data.end());
  return file;
}

std::vector<unsigned char> ConstantWave(const WaveFormat& format, std::size_t frames,
                                        const std::vector<double>& levels) {
  std::vector<unsigned char> data;
  for (std::size_t frame = 0; frame < frames; ++frame) {
    for (double level : levels) AppendSample(data, format, level);
  }
  return WaveFile(format, data);
}

void PutUint32(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<unsigned char>(value >> 8 * i);
}

ExactBuffer::ExactBuffer(const std::vector<unsigned char>& source)
    : bytes(new unsigned char[source.size()]) {
  std::copy(source.begin(), source.end(), bytes.get());
}

BOOL PlayFromMemory(const ExactBuffer& sound) {
  return PlaySoundW(sound.Sound(), nullptr, SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

}  // namespace sound_test
