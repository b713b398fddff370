// The one exception type of the program: an owned UTF-16 message.
// Thrown by value, caught by reference.
#pragma once

namespace tlib {

class TException {
 public:
  // The message is "" (a buffer holding only the terminator).
  TException();
  // The message is the printf-style formatting of the arguments (WideFormat.h),
  // never cut short: it is measured first, then formatted into a buffer of its size.
  explicit TException(const char16_t* format, ...);
  TException(const TException& other);
  TException& operator=(const TException& other);
  ~TException();

  const char16_t* Message() const { return message_; }

 private:
  char16_t* message_;
};

}  // namespace tlib
