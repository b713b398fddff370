// A bad command line or input script: the message says what is wrong and
// where (the argument, or the file and line).
#pragma once

#include <stdexcept>
#include <string>

class CUsageError : public std::runtime_error {
 public:
  explicit CUsageError(const std::string& message) : std::runtime_error(message) {}
};
