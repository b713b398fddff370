#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <string>

#include "tlib/Exception.h"
#include "tlib/WideFormat.h"

using tlib::TException;

namespace {

// Formats into a buffer of `limit` units (none for 0) and returns the whole
// buffer; `needed` gets the length FormatWide reported.
std::u16string FormatInto(int limit, int& needed, const char16_t* format, ...) {
  std::u16string buffer(static_cast<std::size_t>(limit) + 1, u'#');
  std::va_list arguments;
  va_start(arguments, format);
  needed = tlib::FormatWide(limit == 0 ? nullptr : buffer.data(), limit, format, arguments);
  va_end(arguments);
  return buffer;
}

}  // namespace

TEST(WideFormat, MeasuresAndNeverOverrunsTheLimit) {
  int needed = 0;
  FormatInto(0, needed, u"Digit%d", 7);
  EXPECT_EQ(6, needed);
  EXPECT_EQ(std::u16string(u"Dig\0#", 5), FormatInto(4, needed, u"Digit%d", 7).substr(0, 5));
  EXPECT_EQ(6, needed);
}

TEST(Exception, FormatsItsWholeMessageAsPrintfDoes) {
  const std::u16string longText(10000, u'x');
  const std::pair<TException, std::u16string> cases[] = {
      {TException(), u""},
      {TException(u"%d %d %d%%", INT_MAX, INT_MIN, 100), u"2147483647 -2147483648 100%"},
      {TException(u"failed: %d (0x%08x) %08x", -5, -5, 255), u"failed: -5 (0xfffffffb) 000000ff"},
      {TException(u"%05d|%-4d|%3d", -42, 7, 5), u"-0042|7   |  5"},
      {TException(longText.c_str()), longText}};
  for (const auto& [error, message] : cases) EXPECT_EQ(message, error.Message());
}

TEST(Exception, CopiesAreIndependent) {
  TException source(u"Invalid array");
  source.WithFile(u"Data\\Road7.bmp");
  TException copy(source), assigned(u"something else");
  assigned = source;
  TException& same = assigned;  // assigned to itself through another name
  assigned = same;
  for (const TException* other : {&copy, &assigned}) {
    EXPECT_NE(source.Message(), other->Message());
    EXPECT_NE(source.FileName(), other->FileName());
    EXPECT_EQ(u"Invalid array", std::u16string(other->Message()));
    EXPECT_EQ(u"Data\\Road7.bmp", std::u16string(other->FileName()));
  }
  EXPECT_EQ(u"", std::u16string(TException(u"Invalid array").FileName()));
}
