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

template <typename... Arguments>
std::u16string Formatted(const char16_t* format, Arguments... arguments) {
  int needed = 0;
  std::u16string buffer = FormatInto(256, needed, format, arguments...);
  return buffer.substr(0, buffer.find(u'\0'));
}

std::u16string MessageOf(const TException& error) { return error.Message(); }

}  // namespace

TEST(WideFormat, DecimalAndEightHexDigitsAsPrintf) {
  EXPECT_EQ(u"2147483647 -2147483648", Formatted(u"%d %d", INT_MAX, INT_MIN));
  EXPECT_EQ(u"-5 (0xfffffffb) 000000ff", Formatted(u"%d (0x%08x) %08x", -5, -5, 255));
  EXPECT_EQ(u"100%", Formatted(u"%d%%", 100));
}

TEST(WideFormat, MeasuresAndNeverOverrunsTheLimit) {
  int needed = 0;
  FormatInto(0, needed, u"Digit%d", 7);
  EXPECT_EQ(6, needed);
  std::u16string cut = FormatInto(4, needed, u"Digit%d", 7);
  EXPECT_EQ(6, needed);
  EXPECT_EQ(std::u16string(u"Dig\0#", 5), cut.substr(0, 5));
}

TEST(Exception, FormatsItsWholeMessage) {
  EXPECT_EQ(u"", MessageOf(TException()));
  EXPECT_EQ(u"failed: 5 (0x00000005)", MessageOf(TException(u"failed: %d (0x%08x)", 5, 5)));
  std::u16string longText(10000, u'x');
  EXPECT_EQ(longText, MessageOf(TException(longText.c_str())));
}

TEST(Exception, CopiesAreIndependent) {
  TException source(u"Invalid array");
  {
    TException copy(source);
    EXPECT_NE(source.Message(), copy.Message());
  }
  TException assigned(u"something else");
  assigned = source;
  assigned = assigned;
  EXPECT_NE(source.Message(), assigned.Message());
  EXPECT_EQ(u"Invalid array", MessageOf(assigned));
  EXPECT_EQ(u"Invalid array", MessageOf(source));
}
