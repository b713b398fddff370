#include "tlib/String.h"

#include <cstdarg>
#include <memory>

#include "tlib/Exception.h"
#include "tlib/WideFormat.h"

namespace tlib {
namespace {

constexpr char16_t emptyText[1] = {0};

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

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
  if (other.shares_ != nullptr) ++*other.shares_;  // first, so self-assignment is safe
  Release();
  shares_ = other.shares_;
  text_ = other.text_;
  length_ = other.length_;
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

int TString::CodePointAt(int index) const {
  if (index < 0 || index >= length_) throw TException(u"Invalid iterator");
  char16_t unit = text_[index];
  if (IsLowSurrogate(unit)) throw TException(u"Invalid string data");
  if (!IsHighSurrogate(unit)) return unit;
  if (index + 1 == length_ || !IsLowSurrogate(text_[index + 1])) {
    throw TException(u"Invalid string data");
  }
  return ((unit & 0x3FF) << 10 | (text_[index + 1] & 0x3FF)) + 0x10000;
}

void TString::Advance(int& index) const {
  if (index < 0 || index >= length_) throw TException(u"Invalid iterator");
  char16_t unit = text_[index];
  ++index;
  if (IsLowSurrogate(unit)) throw TException(u"Invalid string data");
  if (IsHighSurrogate(unit)) {
    char16_t next = text_[index];  // the terminator when the text ends here
    ++index;
    if (!IsLowSurrogate(next)) throw TException(u"Invalid string data");
  }
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
