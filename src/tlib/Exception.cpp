#include "tlib/Exception.h"

#include <cstdarg>
#include <utility>

#include "tlib/WideFormat.h"

namespace tlib {
namespace {

char16_t* Duplicate(const char16_t* text) {
  if (text == nullptr) return nullptr;
  int length = 0;
  while (text[length] != 0) ++length;
  auto* copy = new char16_t[length + 1];
  for (int i = 0; i <= length; ++i) copy[i] = text[i];
  return copy;
}

}  // namespace

TException::TException() : message_(new char16_t[1]{0}), fileName_(nullptr) {}

TException::TException(const char16_t* format, ...) : message_(nullptr), fileName_(nullptr) {
  std::va_list arguments;
  va_start(arguments, format);
  int length = FormatWide(nullptr, 0, format, arguments);
  va_end(arguments);
  message_ = new char16_t[length + 1];
  va_start(arguments, format);
  FormatWide(message_, length + 1, format, arguments);
  va_end(arguments);
}

TException::TException(const TException& other)
    : message_(Duplicate(other.message_)), fileName_(nullptr) {
  try {
    fileName_ = Duplicate(other.fileName_);
  } catch (...) {
    delete[] message_;
    throw;
  }
}

TException& TException::operator=(const TException& other) {
  if (this != &other) {
    TException copy(other);
    std::swap(message_, copy.message_);
    std::swap(fileName_, copy.fileName_);
  }
  return *this;
}

TException::~TException() {
  delete[] message_;
  delete[] fileName_;
}

TException& TException::WithFile(const char16_t* fileName) {
  char16_t* copy = Duplicate(fileName);
  delete[] fileName_;
  fileName_ = copy;
  return *this;
}

}  // namespace tlib
