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

  // For tests of the sharing rules: how many strings share this text (0 when empty).
  int ShareCount() const { return shares_ == nullptr ? 0 : *shares_; }

 private:
  // Takes over a fresh buffer of `length` units plus terminator.
  static TString Adopt(char16_t* text, int length);
  void Release();

  int* shares_ = nullptr;
  char16_t* text_ = nullptr;
  int length_ = 0;

  friend TString operator+(const TString& left, const TString& right);
};

// A new string; when one side is empty the result shares the other's text.
TString operator+(const TString& left, const TString& right);

}  // namespace tlib
