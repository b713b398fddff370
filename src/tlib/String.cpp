#include "tlib/String.h"

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cwctype>
#include <memory>
#include <new>

#include "tlib/Exception.h"
#include "tlib/Utf16.h"
#include "tlib/WideFormat.h"

namespace tlib {
namespace {

using utf16::IsHighSurrogate;
using utf16::IsLowSurrogate;

constexpr char16_t emptyText[1] = {0};

// The classes are the C library's; code points beyond 16 bits belong to none.
template <typename Test>
bool IsInClass(int codePoint, Test test) {
  if (codePoint < 0 || utf16::IsSurrogate(codePoint) || codePoint > utf16::maxCodePoint) {
    throw TException(u"Invalid character code");
  }
  return codePoint <= 0xFFFF && test(static_cast<std::wint_t>(codePoint));
}

}  // namespace

TString::TString(int length, const char16_t* units) {
  if (length == 0) return;
  if (units == nullptr) throw TException(u"Invalid arguments");
  auto* text = new char16_t[length + 1];
  for (int i = 0; i < length; ++i) text[i] = units[i];
  text[length] = 0;
  *this = Adopt(text, length);
}

TString TString::Adopt(char16_t* text, int length) {
  std::unique_ptr<char16_t[]> owned(text);
  TString result;
  result.shares_ = new int(1);
  result.text_ = owned.release();
  result.length_ = length;
  return result;
}

TString::TString(const TString& other)
    : shares_(other.shares_), text_(other.text_), length_(other.length_) {
  if (shares_ != nullptr) ++*shares_;
}

TString& TString::operator=(const TString& other) {
  if (this == &other) return *this;  // releasing first would lose the text
  Release();
  shares_ = other.shares_;
  text_ = other.text_;
  length_ = other.length_;
  if (shares_ != nullptr) ++*shares_;
  return *this;
}

TString::~TString() { Release(); }

void TString::Release() {
  if (shares_ == nullptr) return;
  if (*shares_ == 1) {
    delete shares_;
    delete[] text_;
  } else {
    --*shares_;
  }
  shares_ = nullptr;
  text_ = nullptr;
  length_ = 0;
}

TString TString::Format(const char16_t* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  int length = FormatWide(nullptr, 0, format, arguments);
  va_end(arguments);
  std::unique_ptr<char16_t[]> formatted(new char16_t[length + 1]);
  va_start(arguments, format);
  FormatWide(formatted.get(), length + 1, format, arguments);
  va_end(arguments);
  return TString(length, formatted.get());
}

const char16_t* TString::CStr() const { return text_ == nullptr ? emptyText : text_; }

bool TString::operator==(const TString& other) const {
  if (length_ != other.length_) return false;
  for (int i = 0; i < length_; ++i) {
    if (text_[i] != other.text_[i]) return false;
  }
  return true;
}

int TString::TakeCodePoint(int& index) const {
  char16_t unit = text_[index];
  if (IsLowSurrogate(unit)) throw TException(u"Invalid string data");
  if (!IsHighSurrogate(unit)) {
    index += 1;
    return unit;
  }
  if (index + 1 == length_ || !IsLowSurrogate(text_[index + 1])) {
    throw TException(u"Invalid string data");
  }
  char16_t low = text_[index + 1];
  index += 2;
  return utf16::CombinePair(unit, low);
}

int TString::NextIndex(int index) const {
  TakeCodePoint(index);
  return index;
}

int TString::CodePointAt(int index) const {
  if (index < 0 || index >= length_) throw TException(u"Invalid iterator");
  return TakeCodePoint(index);
}

void TString::Advance(int& index) const {
  if (index < 0 || index >= length_) throw TException(u"Invalid iterator");
  TakeCodePoint(index);
}

void TString::StepBack(int& index) const {
  if (index <= 0 || index > length_) throw TException(u"Invalid iterator");
  char16_t unit = text_[index - 1];
  if (IsHighSurrogate(unit)) throw TException(u"Invalid string data");
  if (!IsLowSurrogate(unit)) {
    --index;
    return;
  }
  if (index < 2 || !IsHighSurrogate(text_[index - 2])) throw TException(u"Invalid string data");
  index -= 2;
}

int TString::LastCodePointStart() const {
  if (length_ == 0) return -1;
  int index = length_;
  StepBack(index);
  return index;
}

TString TString::Repeat(int codePoint, int count) {
  if (codePoint < 0 || codePoint > utf16::maxCodePoint) throw TException(u"Invalid character");
  if (count < 0) throw TException(u"Invalid count");
  char16_t units[2];
  int width = utf16::Encode(codePoint, units);
  std::int64_t length = std::int64_t(count) * width;
  if (length >= INT_MAX) throw std::bad_alloc();  // no string holds that many units
  if (length == 0) return TString();
  auto* text = new char16_t[length + 1];
  for (std::int64_t i = 0; i < length; ++i) text[i] = units[i % width];
  text[length] = 0;
  return Adopt(text, static_cast<int>(length));
}

TString TString::FromInt(int value) { return Format(u"%d", value); }

void TString::Append(const TString& other) { *this = *this + other; }

int TString::CodePointCount() const {
  int count = 0;
  for (int index = 0; index < length_; index = NextIndex(index)) ++count;
  return count;
}

int TString::SkipCodePoints(int start, int count, const char16_t* endMessage) const {
  int index = start;
  for (int skipped = 0; skipped < count; ++skipped) {
    if (index >= length_) throw TException(endMessage);
    index = NextIndex(index);
  }
  return index;
}

int TString::ToUnitIndex(int position) const {
  if (position < 0) throw TException(u"Index out of range");
  return SkipCodePoints(0, position, u"Index out of range");
}

int TString::UnitsSpanned(int start, int count) const {
  if (start < 0 || start > length_) throw TException(u"Invalid start pos");
  if (count < 0) throw TException(u"Invalid length");
  return SkipCodePoints(start, count, u"Invalid length") - start;
}

int TString::CodePointAtPosition(int position) const {
  if (position < 0) throw TException(u"Invalid index");
  int index = ToUnitIndex(position);
  if (index == length_) throw TException(u"Invalid index");
  return CodePointAt(index);
}

TString TString::Tail(int position) const {
  int start = ToUnitIndex(position);
  if (start == 0) return *this;  // the whole text: share it
  return TString(length_ - start, text_ + start);
}

TString TString::Substring(int position, int count) const {
  if (position < 0 || count < 0) throw TException(u"Invalid arguments");
  if (count > length_) throw TException(u"Substring length cannot exceed string length");
  int start = ToUnitIndex(position);
  return TString(UnitsSpanned(start, count), text_ + start);
}

bool TString::MatchesAt(int index, const TString& text) const {
  if (text.length_ > length_ - index) return false;
  for (int i = 0; i < text.length_; ++i) {
    if (text_[index + i] != text.text_[i]) return false;
  }
  return true;
}

int TString::Find(const TString& text, int startPosition) const {
  if (text.length_ == 0) throw TException(u"Cannot match empty string");
  int position = startPosition;
  for (int index = ToUnitIndex(startPosition); index < length_; index = NextIndex(index)) {
    if (MatchesAt(index, text)) return position;
    ++position;
  }
  return -1;
}

int TString::FindCodePoint(int codePoint, int startPosition) const {
  int position = startPosition;
  for (int index = ToUnitIndex(startPosition); index < length_; ++position) {
    if (TakeCodePoint(index) == codePoint) return position;
  }
  return -1;
}

int TString::FindLastCodePoint(int codePoint) const {
  int found = -1;
  for (int index = 0, position = 0; index < length_; ++position) {
    if (TakeCodePoint(index) == codePoint) found = position;
  }
  return found;
}

bool TString::IsLetter(int codePoint) {
  return IsInClass(codePoint, [](std::wint_t c) { return std::iswalpha(c) != 0; });
}

bool TString::IsLetterOrDigit(int codePoint) {
  return IsInClass(codePoint, [](std::wint_t c) { return std::iswalnum(c) != 0; });
}

bool TString::IsWhiteSpace(int codePoint) {
  return IsInClass(codePoint, [](std::wint_t c) { return std::iswspace(c) != 0; });
}

TString operator+(const TString& left, const TString& right) {
  if (right.length_ == 0) return left;
  if (left.length_ == 0) return right;
  int length = left.length_ + right.length_;
  auto* text = new char16_t[length + 1];
  for (int i = 0; i < left.length_; ++i) text[i] = left.text_[i];
  for (int i = 0; i < right.length_; ++i) text[left.length_ + i] = right.text_[i];
  text[length] = 0;
  return TString::Adopt(text, length);
}

}  // namespace tlib
