// One open file with block reads and 32-bit little-endian integer reads and
// writes, over the platform's file calls.
#pragma once

#include <cstdint>

#include "platform/Windows.h"
#include "tlib/Exception.h"
#include "tlib/String.h"

namespace tlib {

enum TFileMode : int {
  Write = 0,   // create, or empty an existing file
  Read = 1,    // the file must exist
  Append = 2,  // open or create, and write after the old content
};

// Every failure names the file beside its message (TException::FileName).
class TFile {
 public:
  // Opens the file; throws "Failed to open file" (or, appending,
  // "SetFilePointer() failed"). shareRead lets others read it meanwhile.
  TFile(TString path, TFileMode mode, bool shareRead);
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;
  // Closes the file if Close has not; a failure to close is not reported here,
  // so callers that must know call Close themselves.
  ~TFile();

  // Closes the file; throws "CloseHandle() failed".
  void Close();

  // Reads up to `size` bytes; fewer at the end of the file set the end-of-file
  // flag and are not an error. Throws "ReadFile() failed".
  void Read(void* buffer, std::uint32_t size);
  // Throws "ReadFile() failed", or "Failed to read integer" when fewer than 4
  // bytes are left (the end-of-file flag is set first).
  std::int32_t ReadInt();
  // Throws "WriteFile() failed".
  void WriteInt(std::int32_t value);
  // The size in bytes; throws "GetFileSize() failed".
  std::uint32_t GetSize();

  bool EndOfFile() const { return endOfFile_ != 0; }

 private:
  TException Failure(const char16_t* message) const;

  TString path_;
  HANDLE handle_;
  std::uint8_t endOfFile_;
};

}  // namespace tlib
