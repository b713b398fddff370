#include "platform/posix/Utf.h"

#include <algorithm>
#include <cstring>

#include "platform/posix/WinBase.h"

namespace platform {
namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::string Utf16ToUtf8(const char16_t* text, std::size_t length) {
  std::string out;
  out.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < length && IsLowSurrogate(text[i + 1])) {
      char32_t code = 0x10000 + ((char32_t(unit) & 0x3FF) << 10) + (char32_t(text[i + 1]) & 0x3FF);
      AppendUtf8(out, code);
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, replacementCharacter);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::string Utf16ToUtf8(const char16_t* text) {
  if (text == nullptr) return std::string();
  std::size_t length = 0;
  while (text[length] != 0) ++length;
  return Utf16ToUtf8(text, length);
}

std::string PosixPath(const char16_t* path) {
  std::string converted = Utf16ToUtf8(path);
  std::replace(converted.begin(), converted.end(), '\\', '/');
  return converted;
}

}  // namespace platform

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wideCharStr, int cchWideChar,
                        LPSTR multiByteStr, int cbMultiByte, LPCSTR defaultChar,
                        BOOL* usedDefaultChar) {
  if (codePage != CP_UTF8 || flags != 0 || defaultChar != nullptr || usedDefaultChar != nullptr ||
      wideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
      (cbMultiByte > 0 && multiByteStr == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::string converted = cchWideChar == -1
                              ? platform::Utf16ToUtf8(wideCharStr) + '\0'
                              : platform::Utf16ToUtf8(wideCharStr, std::size_t(cchWideChar));
  int needed = static_cast<int>(converted.size());
  if (cbMultiByte == 0) return needed;
  if (cbMultiByte < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(multiByteStr, converted.data(), converted.size());
  return needed;
}
