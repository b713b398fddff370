#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <string>

#include "tlib/Exception.h"
#include "tlib/WideFormat.h"

using tlib::TException;

// FormatWide takes its arguments as a va_list, as the exception and string formatting do.
static int FormatInto(char16_t* buffer, int limit, const char16_t* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  const int needed = tlib::FormatWide(buffer, limit, format, arguments);
  va_end(arguments);
  return needed;
}

TEST(WideFormat, MeasuresAndNeverOverrunsTheLimit) {
  std::u16string buffer(5, u'#');
  EXPECT_EQ(6, FormatInto(nullptr, 0, u"Digit%d", 7));
  EXPECT_EQ(6, FormatInto(buffer.data(), 4, u"Digit%d", 7));
  EXPECT_EQ(std::u16string(u"Dig\0#", 5), buffer);
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
