// The program's string: immutable UTF-16 text whose copies share one buffer
// through a plain (not atomic) share count. The empty string owns nothing.
#pragma once

#include <cstddef>

namespace tlib {

class TString {
 public:
  // The empty string: no count, no buffer, length 0.
  TString() = default;
  // Copies exactly `length` units (no terminator needed). Length 0 gives the
  // empty string whatever `units` is; a null `units` otherwise throws
  // "Invalid arguments".
  TString(int length, const char16_t* units);
  // A literal, with its length taken from the array: TString(u"Data\\").
  template <std::size_t N>
  TString(const char16_t (&literal)[N]) : TString(static_cast<int>(N - 1), literal) {}

  TString(const TString& other);
  TString& operator=(const TString& other);
  ~TString();

  // printf-style formatting (WideFormat.h); "%d" and "%08x" behave as in C.
  static TString Format(const char16_t* format, ...);

  int Length() const { return length_; }
  // The NUL-terminated text; the empty string gives a static empty text, never null.
  const char16_t* CStr() const;

  bool operator==(const TString& other) const;
  bool operator!=(const TString& other) const { return !(*this == other); }

  // Walking the text by code point, with `index` counting UTF-16 units:
  //   for (int i = 0; s.IsValidIndex(i); s.Advance(i)) use(s.CodePointAt(i));
  bool IsValidIndex(int index) const { return index < length_; }
  // "Invalid iterator" outside the text, "Invalid string data" for a broken pair.
  int CodePointAt(int index) const;
  // Steps over one code point; "Invalid string data" for a broken pair.
  void Advance(int& index) const;

  // Steps back over the code point that ends before `index`; "Invalid iterator"
  // when nothing is before it, "Invalid string data" for a broken pair.
  void StepBack(int& index) const;
  // Where the last code point starts, -1 for the empty string.
  int LastCodePointStart() const;

  // `count` copies of one code point. Throws "Invalid character" outside
  // 0..0x10FFFF and "Invalid count" when count is negative.
  static TString Repeat(int codePoint, int count);
  // The decimal text of a number: "-7", "0", "2147483647".
  static TString FromInt(int value);

  // This string becomes this + other (a new text; other sharers keep the old one).
  void Append(const TString& other);

  // The operations below count in code points. A "position" is a code-point
  // index; every one of them throws "Invalid string data" when it has to decode
  // an unpaired surrogate.
  int CodePointCount() const;
  // "Invalid index" for a negative position or the end of the text,
  // "Index out of range" past the end.
  int CodePointAtPosition(int position) const;
  // The text from a position to the end.
  TString Tail(int position) const;
  // `count` code points from a position. "Invalid arguments" for negative
  // numbers; "Substring length cannot exceed string length" when count exceeds
  // the length, "Invalid length" when the text ends before count code points.
  TString Substring(int position, int count) const;
  // Positions of the first match at or after startPosition, -1 when there is
  // none. Finding the empty string throws "Cannot match empty string".
  int Find(const TString& text, int startPosition = 0) const;
  int FindCodePoint(int codePoint, int startPosition = 0) const;
  int FindLastCodePoint(int codePoint) const;
  // The unit index where a position starts; the end of the text is allowed.
  // "Index out of range" below 0 or beyond the end.
  int ToUnitIndex(int position) const;
  // How many units `count` code points starting at unit index `start` take.
  // "Invalid start pos" when start is outside the text, "Invalid length" when
  // count is negative or the text ends first.
  int UnitsSpanned(int start, int count) const;

  // The C library's wide character classes; false above 0xFFFF. Throws
  // "Invalid character code" below 0, for surrogates and above 0x10FFFF.
  static bool IsLetter(int codePoint);
  static bool IsLetterOrDigit(int codePoint);
  static bool IsWhiteSpace(int codePoint);

  // For tests of the sharing rules: how many strings share this text (0 when empty).
  int ShareCount() const { return shares_ == nullptr ? 0 : *shares_; }

 private:
  // Takes over a fresh buffer of `length` units plus terminator.
  static TString Adopt(char16_t* text, int length);
  void Release();
  // Decodes the code point at a unit index inside the text and moves the index
  // past it; "Invalid string data" (index unchanged) for a broken pair.
  int TakeCodePoint(int& index) const;
  int NextIndex(int index) const;
  // The unit index `count` code points after `start`; `endMessage` when the text ends first.
  int SkipCodePoints(int start, int count, const char16_t* endMessage) const;
  bool MatchesAt(int index, const TString& text) const;

  int* shares_ = nullptr;
  char16_t* text_ = nullptr;
  int length_ = 0;

  friend TString operator+(const TString& left, const TString& right);
};

// A new string; when one side is empty the result shares the other's text.
TString operator+(const TString& left, const TString& right);

}  // namespace tlib
