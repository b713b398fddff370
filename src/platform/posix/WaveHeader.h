// What a RIFF/WAVE file in memory claims about itself, read from the caller's bytes before
// anything is copied or decoded: its length, its encoding, and how much sound its data would
// make. PlaySoundW refuses a file here, on the caller's thread and cheaply; what passes is
// decoded by SDL2 on the player's thread, which may still find it unplayable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/posix/WinTypes.h"

namespace platform {

class WaveHeader {
 public:
  // Reads the headers of the file at `riffFile`. Its length is the 8 bytes of the RIFF header
  // plus the size that header claims, and not one byte beyond it is read; a buffer that is not
  // a RIFF file is read only up to its first byte that differs from "RIFF".
  explicit WaveHeader(const void* riffFile);

  // ERROR_SUCCESS for a file worth decoding; ERROR_INVALID_DATA for one that is no sound SDL2
  // reads; ERROR_NOT_ENOUGH_MEMORY for one of 2 GiB and more or one whose data would make more than
  // DecodedSound::maxOutputFrames.
  DWORD Verdict() const { return verdict_; }
  // For a file whose verdict is success, its bytes for the decoder: up to the end of its data,
  // with the sizes in the RIFF header and the data chunk lowered to what the copy holds, so
  // that no decoder reserves memory for data that is not there. Nothing after the data chunk
  // is read; the decoder has no use for it.
  std::vector<std::uint8_t> DecodableCopy(const void* riffFile) const;

 private:
  DWORD Judge(const unsigned char* file);

  std::size_t dataPosition_ = 0;
  std::size_t dataPresent_ = 0;
  DWORD verdict_;
};

}  // namespace platform
