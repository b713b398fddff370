// The one exception type of the program: an owned UTF-16 message and, when a
// file was the cause, that file's name beside it.
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

  // Names the file whose reading or writing failed. The message stays the
  // fixed text; the name travels beside it for the report that a player sees.
  TException& WithFile(const char16_t* fileName);

  const char16_t* Message() const { return message_; }
  // The file that caused the failure, or "" when none did.
  const char16_t* FileName() const { return fileName_ != nullptr ? fileName_ : u""; }

 private:
  char16_t* message_;
  char16_t* fileName_;  // null when no file was named
};

}  // namespace tlib
