#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <string>

#include "tlib/Exception.h"
#include "tlib/WideFormat.h"

using tlib::TException;

namespace {

// Formats through FormatWide with a buffer of `limit` units (none for 0),
// returning the whole buffer and, through `needed`, the length it reported.
std::u16string FormatInto(int limit, int& needed, const char16_t* format, ...) {
  std::u16string buffer(static_cast<std::size_t>(limit) + 1, u'#');
  std::va_list arguments;
  va_start(arguments, format);
  needed = tlib::FormatWide(limit == 0 ? nullptr : buffer.data(), limit, format, arguments);
  va_end(arguments);
  return buffer;
}

std::u16string MessageOf(const TException& error) { return error.Message(); }

}  // namespace

TEST(WideFormat, MeasuresAndNeverOverrunsTheLimit) {
  int needed = 0;
  FormatInto(0, needed, u"Digit%d", 7);
  EXPECT_EQ(6, needed);
  std::u16string cut = FormatInto(4, needed, u"Digit%d", 7);
  EXPECT_EQ(6, needed);
  EXPECT_EQ(std::u16string(u"Dig\0#", 5), cut.substr(0, 5));
}

TEST(Exception, FormatsItsWholeMessageAsPrintfDoes) {
  EXPECT_EQ(u"", MessageOf(TException()));
  EXPECT_EQ(u"2147483647 -2147483648 100%",
            MessageOf(TException(u"%d %d %d%%", INT_MAX, INT_MIN, 100)));
  EXPECT_EQ(u"failed: -5 (0xfffffffb) 000000ff",
            MessageOf(TException(u"failed: %d (0x%08x) %08x", -5, -5, 255)));
  EXPECT_EQ(u"-0042|7   |  5", MessageOf(TException(u"%05d|%-4d|%3d", -42, 7, 5)));
  std::u16string longText(10000, u'x');
  EXPECT_EQ(longText, MessageOf(TException(longText.c_str())));
}

TEST(Exception, CopiesAreIndependent) {
  TException source(u"Invalid array");
  source.WithFile(u"Data\\Road7.bmp");
  {
    TException copy(source);
    EXPECT_NE(source.Message(), copy.Message());
    EXPECT_NE(source.FileName(), copy.FileName());
  }
  TException assigned(u"something else");
  assigned = source;
  TException& same = assigned;  // assigned to itself through another name
  assigned = same;
  EXPECT_NE(source.Message(), assigned.Message());
  EXPECT_EQ(u"Invalid array", MessageOf(assigned));
  EXPECT_EQ(u"Invalid array", MessageOf(source));
  EXPECT_EQ(u"Data\\Road7.bmp", std::u16string(assigned.FileName()));
  EXPECT_EQ(u"", std::u16string(TException(u"Invalid array").FileName()));
}
