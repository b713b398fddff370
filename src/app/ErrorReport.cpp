#include "app/ErrorReport.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "platform/Windows.h"
#include "tlib/Exception.h"

namespace {

std::terminate_handler standardTerminate = nullptr;

std::string Utf8(const char16_t* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, WideText(text), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, WideText(text), -1, bytes.data(), size, nullptr, nullptr);
  bytes.pop_back();  // the terminator
  return bytes;
}

void ReportAndTerminate() {
  if (std::exception_ptr escaping = std::current_exception()) {
    try {
      std::rethrow_exception(escaping);
    } catch (const tlib::TException& error) {
      std::fprintf(stderr, "Marrowick: %s\n", Utf8(error.Message()).c_str());
      std::fflush(stderr);
    } catch (...) {
      // Other errors are reported by the standard path alone.
    }
  }
  if (standardTerminate != nullptr) standardTerminate();
  std::abort();
}

}  // namespace

void ReportEscapingErrors() {
  std::terminate_handler previous = std::set_terminate(ReportAndTerminate);
  if (previous != ReportAndTerminate) standardTerminate = previous;
}
