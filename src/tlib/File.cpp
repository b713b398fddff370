#include "tlib/File.h"

#include "tlib/Exception.h"

namespace tlib {
namespace {

struct OpenArguments {
  DWORD access;
  DWORD disposition;
};

OpenArguments ArgumentsFor(TFileMode mode) {
  switch (mode) {
    case TFileMode::Write: return {GENERIC_WRITE, CREATE_ALWAYS};
    case TFileMode::Read: return {GENERIC_READ, OPEN_EXISTING};
    case TFileMode::Append: return {GENERIC_WRITE, OPEN_ALWAYS};
  }
  throw TException(u"Failed to open file");  // a mode outside the three opens nothing
}

}  // namespace

TFile::TFile(TString path, TFileMode mode, bool shareRead)
    : path_(path), handle_(INVALID_HANDLE_VALUE) {
  OpenArguments arguments = ArgumentsFor(mode);
  handle_ = CreateFileW(WideText(path.CStr()), arguments.access, shareRead ? FILE_SHARE_READ : 0,
                        nullptr, arguments.disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) throw Failure(u"Failed to open file");
  if (mode == TFileMode::Append &&
      SetFilePointer(handle_, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER) {
    CloseHandle(handle_);
    throw Failure(u"SetFilePointer() failed");
  }
  endOfFile_ = 0;
}

TFile::~TFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

void TFile::Close() {
  HANDLE closing = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  if (!CloseHandle(closing)) throw Failure(u"CloseHandle() failed");
}

void TFile::Read(void* buffer, std::uint32_t size) {
  DWORD got = 0;
  if (!ReadFile(handle_, buffer, size, &got, nullptr)) throw Failure(u"ReadFile() failed");
  if (got < size) endOfFile_ = 1;
}

std::int32_t TFile::ReadInt() {
  std::uint8_t bytes[4];
  DWORD got = 0;
  if (!ReadFile(handle_, bytes, 4, &got, nullptr)) throw Failure(u"ReadFile() failed");
  if (got < 4) {
    endOfFile_ = 1;
    throw Failure(u"Failed to read integer");
  }
  std::uint32_t value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t(bytes[3]) << 24;
  return static_cast<std::int32_t>(value);
}

void TFile::WriteInt(std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  std::uint8_t bytes[4] = {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                           std::uint8_t(bits >> 24)};
  DWORD written = 0;
  if (!WriteFile(handle_, bytes, 4, &written, nullptr)) throw Failure(u"WriteFile() failed");
}

std::uint32_t TFile::GetSize() {
  DWORD size = GetFileSize(handle_, nullptr);
  if (size == INVALID_FILE_SIZE) throw Failure(u"GetFileSize() failed");
  return size;
}

TException TFile::Failure(const char16_t* message) const {
  TException failure(message);
  failure.WithFile(path_.CStr());
  return failure;
}

}  // namespace tlib
