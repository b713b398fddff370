#include "app/ErrorReport.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <string>

#include "platform/Windows.h"
#include "tlib/Exception.h"

namespace {

std::string Utf8(const char16_t* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, WideText(text), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, WideText(text), -1, bytes.data(), size, nullptr, nullptr);
  bytes.pop_back();  // the terminator
  return bytes;
}

[[noreturn]] void ExitWithReport(const std::string& report) {
  // Without a Data folder both threads fail at once: the first reports and
  // ends the process, the other waits here for good. Two threads ending one
  // process together crash it under Wine.
  static std::mutex reporting;
  reporting.lock();
  std::fprintf(stderr, "Marrowick: %s\n", report.c_str());
  std::fflush(stderr);
  // The other thread may still be using what an orderly end would destroy.
  std::_Exit(1);
}

std::string ReportOf(const tlib::TException& error) {
  std::string report = Utf8(error.Message());
  if (error.FileName()[0] != u'\0') report += " (" + Utf8(error.FileName()) + ")";
  return report;
}

}  // namespace

void RunOrExitWithReport(const std::function<void()>& work) {
  try {
    work();
  } catch (const tlib::TException& error) {
    ExitWithReport(ReportOf(error));
  } catch (const std::exception& error) {
    ExitWithReport(error.what());
  }
}
