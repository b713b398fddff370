#include "tlib/StringBuilder.h"

#include <algorithm>
#include <climits>
#include <new>

#include "tlib/Exception.h"
#include "tlib/Utf16.h"

namespace tlib {
namespace {

// Surrogates stand only for halves of a pair, never for a code point of their own.
int EncodeCharacter(int codePoint, char16_t (&units)[2]) {
  if (codePoint < 0 || utf16::IsSurrogate(codePoint) || codePoint > utf16::maxCodePoint) {
    throw TException(u"Invalid character");
  }
  return utf16::Encode(codePoint, units);
}

// Counts the code points of well-paired units; "Invalid data" for a lone surrogate.
int CountPairedCodePoints(const char16_t* units, int count) {
  int codePoints = 0;
  for (int i = 0; i < count; ++i, ++codePoints) {
    if (utf16::IsLowSurrogate(units[i])) throw TException(u"Invalid data");
    if (utf16::IsHighSurrogate(units[i])) {
      if (i + 1 == count || !utf16::IsLowSurrogate(units[i + 1])) throw TException(u"Invalid data");
      ++i;
    }
  }
  return codePoints;
}

}  // namespace

TStringBuilder::~TStringBuilder() { delete[] buffer_; }

void TStringBuilder::Reserve(long long extra) {
  long long needed = length_ + extra;
  if (needed <= capacity_) return;
  long long capacity = std::max({2LL * capacity_, needed, 8LL});
  if (capacity >= INT_MAX) throw std::bad_alloc();  // no TString holds that many units
  auto* grown = new char16_t[capacity];
  std::copy(buffer_, buffer_ + length_, grown);
  delete[] buffer_;
  buffer_ = grown;
  capacity_ = static_cast<int>(capacity);
}

void TStringBuilder::Append(int codePoint) { Append(codePoint, 1); }

void TStringBuilder::Append(int codePoint, int count) {
  char16_t units[2];
  int width = EncodeCharacter(codePoint, units);
  if (count < 0) throw TException(u"Invalid length");
  Reserve(static_cast<long long>(count) * width);
  for (int i = 0; i < count; ++i) {
    std::copy(units, units + width, buffer_ + length_);
    length_ += width;
  }
  codePointCount_ += count;
}

void TStringBuilder::AppendUnits(const char16_t* units, int count) {
  if (count < 0 || (units == nullptr && count > 0)) throw TException(u"Invalid data");
  int codePoints = CountPairedCodePoints(units, count);
  Reserve(count);
  std::copy(units, units + count, buffer_ + length_);
  length_ += count;
  codePointCount_ += codePoints;
}

void TStringBuilder::Clear() {
  length_ = 0;
  codePointCount_ = 0;
}

}  // namespace tlib
