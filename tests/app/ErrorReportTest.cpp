#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "app/ErrorReport.h"
#include "tlib/Exception.h"

namespace {

// An error nobody catches, on a worker thread as when a picture is missing
// while the preloader runs.
void LetAnErrorEscapeFromAThread(const char16_t* message) {
  ReportEscapingErrors();
  std::thread([message] { throw tlib::TException(message); }).join();
}

TEST(ErrorReportDeathTest, AnEscapingErrorEndsTheProcessWithItsMessageOnStandardError) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(LetAnErrorEscapeFromAThread(u"LoadImage() failed"),
               "Marrowick: LoadImage\\(\\) failed");
  EXPECT_DEATH(LetAnErrorEscapeFromAThread(u"Gr\u00fcn \u2013 not found"),
               "Marrowick: Gr\xc3\xbcn \xe2\x80\x93 not found");
}

TEST(ErrorReportDeathTest, OtherErrorsEndTheProcessTheStandardWayAlone) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto escape = [] {
    ReportEscapingErrors();
    std::thread([] { throw std::runtime_error("out of frogs"); }).join();
  };
  // The standard report comes first: nothing was written before it.
  EXPECT_DEATH(escape(), "^terminate called after throwing an instance of 'std::runtime_error'");
}

}  // namespace
