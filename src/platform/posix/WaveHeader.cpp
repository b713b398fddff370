#include "platform/posix/WaveHeader.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

#include "platform/posix/DecodedSound.h"
#include "platform/posix/WinBase.h"

namespace platform {
namespace {

constexpr std::size_t riffHeaderSize = 8;
constexpr std::size_t waveHeaderSize = 12;  // the RIFF header and the form type "WAVE"
constexpr std::size_t chunkHeaderSize = 8;
constexpr std::size_t formatSize = 16;
constexpr std::size_t extensibleFormatSize = 40;
constexpr std::size_t subFormatOffset = 24;
// SDL's reader gives up after this many chunks; the walk here runs on the caller's thread.
constexpr int maxChunks = 10000;

enum EncodingTag : std::uint16_t {
  pcm = 1,
  msAdpcm = 2,
  ieeeFloat = 3,
  aLaw = 6,
  muLaw = 7,
  imaAdpcm = 0x11,
  extensible = 0xFFFE,
};

std::uint32_t Little(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

void PutLittle32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Compared byte by byte, so that a buffer shorter than four bytes that is not a RIFF file is
// read only as far as its first differing byte.
bool StartsWithRiffTag(const unsigned char* bytes) {
  for (char letter : {'R', 'I', 'F', 'F'}) {
    if (*bytes++ != static_cast<unsigned char>(letter)) return false;
  }
  return true;
}

// A chunk's data: where it starts in the file and how many of its bytes the file holds.
struct Chunk {
  std::size_t position;
  std::size_t present;
};

struct Chunks {
  std::optional<Chunk> format;
  std::optional<Chunk> data;
};

// The first "fmt " chunk and the first "data" chunk after it, as SDL's reader finds them.
Chunks FindChunks(const unsigned char* file, std::size_t length) {
  Chunks found;
  std::uint64_t position = waveHeaderSize;
  for (int count = 0; count < maxChunks && position + chunkHeaderSize <= length; ++count) {
    const unsigned char* header = file + position;
    const std::uint32_t size = Little(header + 4, 4);
    const std::size_t start = position + chunkHeaderSize;
    const Chunk chunk{start, std::min<std::size_t>(size, length - start)};
    if (std::memcmp(header, "fmt ", 4) == 0 && !found.format) found.format = chunk;
    if (std::memcmp(header, "data", 4) == 0 && found.format) {
      found.data = chunk;
      break;
    }
    position = start + std::uint64_t{size} + (size & 1);  // chunks start on even offsets
  }
  return found;
}

struct Format {
  std::uint16_t encoding;
  std::uint16_t channels;
  std::uint32_t rate;
  std::uint16_t blockAlign;
  std::uint16_t bitsPerSample;

  bool IsAdpcm() const { return encoding == msAdpcm || encoding == imaAdpcm; }
  bool IsKnown() const {
    return encoding == pcm || encoding == ieeeFloat || encoding == aLaw || encoding == muLaw ||
           IsAdpcm();
  }
};

// None when the chunk is too short for the fields it must have.
std::optional<Format> ReadFormat(const unsigned char* file, const Chunk& chunk) {
  if (chunk.present < formatSize) return std::nullopt;
  const unsigned char* fields = file + chunk.position;
  Format format{static_cast<std::uint16_t>(Little(fields, 2)),
                static_cast<std::uint16_t>(Little(fields + 2, 2)), Little(fields + 4, 4),
                static_cast<std::uint16_t>(Little(fields + 12, 2)),
                static_cast<std::uint16_t>(Little(fields + 14, 2))};
  if (format.encoding == extensible) {
    // The sub-format names the encoding in its first two bytes.
    if (chunk.present < extensibleFormatSize) return std::nullopt;
    format.encoding = static_cast<std::uint16_t>(Little(fields + subFormatOffset, 2));
  }
  return format;
}

// SDL2's converter takes 1 to 8 channels.
bool IsPlayable(const Format& format) {
  return format.IsKnown() && format.channels >= 1 && format.channels <= 8 &&
         format.rate >= DecodedSound::minSourceRate && format.rate <= DecodedSound::maxSourceRate &&
         format.blockAlign >= 1 && format.bitsPerSample >= 1;
}

// At most as many frames as the data would make at the output rate. ADPCM packs at most two
// samples into a byte; every other encoding fills whole blocks, one frame each.
std::uint64_t MostOutputFrames(const Format& format, const Chunk& data) {
  const std::uint64_t sourceFrames = format.IsAdpcm()
                                         ? 2 * std::uint64_t{data.present} / format.channels
                                         : data.present / format.blockAlign;
  return sourceFrames * DecodedSound::outputRate / format.rate;
}

}  // namespace

WaveHeader::WaveHeader(const void* riffFile)
    : verdict_(Judge(static_cast<const unsigned char*>(riffFile))) {}

DWORD WaveHeader::Judge(const unsigned char* file) {
  if (!StartsWithRiffTag(file)) return ERROR_INVALID_DATA;
  const std::uint64_t length = riffHeaderSize + std::uint64_t{Little(file + 4, 4)};
  // SDL's memory stream measures its size in an int.
  if (length > INT_MAX) return ERROR_NOT_ENOUGH_MEMORY;
  if (length < waveHeaderSize || std::memcmp(file + riffHeaderSize, "WAVE", 4) != 0) {
    return ERROR_INVALID_DATA;
  }
  const Chunks chunks = FindChunks(file, static_cast<std::size_t>(length));
  if (!chunks.data) return ERROR_INVALID_DATA;
  dataPosition_ = chunks.data->position;
  dataPresent_ = chunks.data->present;
  const std::optional<Format> format = ReadFormat(file, *chunks.format);
  if (!format || !IsPlayable(*format)) return ERROR_INVALID_DATA;
  if (MostOutputFrames(*format, *chunks.data) > DecodedSound::maxOutputFrames) {
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  return ERROR_SUCCESS;
}

std::vector<std::uint8_t> WaveHeader::DecodableCopy(const void* riffFile) const {
  const auto* bytes = static_cast<const std::uint8_t*>(riffFile);
  std::vector<std::uint8_t> copy(bytes, bytes + dataPosition_ + dataPresent_);
  PutLittle32(copy, 4, static_cast<std::uint32_t>(copy.size() - riffHeaderSize));
  PutLittle32(copy, dataPosition_ - 4, static_cast<std::uint32_t>(dataPresent_));
  return copy;
}

}  // namespace platform
