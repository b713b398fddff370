// UTF-16 surrogate pairs, shared by TString and TStringBuilder.
#pragma once

namespace tlib::utf16 {

constexpr int maxCodePoint = 0x10FFFF;

constexpr bool IsHighSurrogate(int unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(int unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
constexpr bool IsSurrogate(int unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

constexpr int CombinePair(char16_t high, char16_t low) {
  return ((high & 0x3FF) << 10 | (low & 0x3FF)) + 0x10000;
}

// Writes the one or two units of a code point in 0..0x10FFFF and returns how many.
inline int Encode(int codePoint, char16_t (&units)[2]) {
  if (codePoint < 0x10000) {
    units[0] = static_cast<char16_t>(codePoint);
    return 1;
  }
  int offset = codePoint - 0x10000;
  units[0] = static_cast<char16_t>(0xD800 | offset >> 10);
  units[1] = static_cast<char16_t>(0xDC00 | (offset & 0x3FF));
  return 2;
}

}  // namespace tlib::utf16
