// Builds a TString from code points and UTF-16 pieces in a growing buffer,
// counting code points as it goes. Everything it holds is well-formed UTF-16.
#pragma once

#include "tlib/String.h"

namespace tlib {

class TStringBuilder {
 public:
  TStringBuilder() = default;
  TStringBuilder(const TStringBuilder&) = delete;
  TStringBuilder& operator=(const TStringBuilder&) = delete;
  ~TStringBuilder();

  // "Invalid character" for a surrogate or a value outside 0..0x10FFFF.
  void Append(int codePoint);
  // The code point `count` times; "Invalid character" as above, "Invalid length"
  // for a negative count.
  void Append(int codePoint, int count);
  // `count` UTF-16 units; "Invalid data" (nothing appended) for an unpaired
  // surrogate, a negative count or missing units.
  void AppendUnits(const char16_t* units, int count);

  TString ToString() const { return TString(length_, buffer_); }
  // Empties the builder and keeps its buffer.
  void Clear();

  int Length() const { return length_; }
  int CodePointCount() const { return codePointCount_; }
  int Capacity() const { return capacity_; }

 private:
  // Room for `extra` more units: the capacity becomes the largest of twice
  // itself, what is needed and 8.
  void Reserve(long long extra);

  char16_t* buffer_ = nullptr;
  int capacity_ = 0;
  int length_ = 0;
  int codePointCount_ = 0;
};

}  // namespace tlib
