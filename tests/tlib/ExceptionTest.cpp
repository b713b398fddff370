#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <string>

#include "tlib/Exception.h"
#include "tlib/WideFormat.h"

using tlib::TException;

namespace {

// Formats through FormatWide with a buffer of `limit` units, returning what it
// wrote and, through `needed`, the length it reported.
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

}  // namespace

TEST(WideFormat, DecimalAsPrintf) {
  EXPECT_EQ(u"0", Formatted(u"%d", 0));
  EXPECT_EQ(u"-7", Formatted(u"%d", -7));
  EXPECT_EQ(u"2147483647 -2147483648", Formatted(u"%d %d", INT_MAX, INT_MIN));
  EXPECT_EQ(u"Road12", Formatted(u"Road%d", 12));
}

TEST(WideFormat, EightHexDigits) {
  EXPECT_EQ(u"000000ff", Formatted(u"%08x", 255));
  EXPECT_EQ(u"ffffffff", Formatted(u"%08x", -1));
  EXPECT_EQ(u"CreateWindowEx() failed: 1407 (0x0000057f)",
            Formatted(u"CreateWindowEx() failed: %d (0x%08x)", 1407, 1407));
  EXPECT_EQ(u"-5 (0xfffffffb)", Formatted(u"%d (0x%08x)", -5, -5));
}

TEST(WideFormat, WidthsAndFlags) {
  EXPECT_EQ(u"[   42]", Formatted(u"[%5d]", 42));
  EXPECT_EQ(u"[42   ]", Formatted(u"[%-5d]", 42));
  EXPECT_EQ(u"[-0042]", Formatted(u"[%05d]", -42));
  EXPECT_EQ(u"[123456]", Formatted(u"[%3d]", 123456));
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

TEST(Exception, DefaultMessageIsEmpty) {
  TException error;
  ASSERT_NE(nullptr, error.Message());
  EXPECT_EQ(u"", std::u16string(error.Message()));
}

TEST(Exception, FormatsItsMessage) {
  EXPECT_EQ(u"Key does not exist", std::u16string(TException(u"Key does not exist").Message()));
  EXPECT_EQ(u"failed: 5 (0x00000005)",
            std::u16string(TException(u"failed: %d (0x%08x)", 5, 5).Message()));
}

TEST(Exception, LongMessagesArriveWhole) {
  std::u16string longText(10000, u'x');
  longText += u"end";
  EXPECT_EQ(longText, std::u16string(TException(longText.c_str()).Message()));
}

TEST(Exception, CopiesAreIndependent) {
  TException source(u"Invalid array");
  {
    TException copy(source);
    EXPECT_NE(source.Message(), copy.Message());
    EXPECT_EQ(u"Invalid array", std::u16string(copy.Message()));
  }
  EXPECT_EQ(u"Invalid array", std::u16string(source.Message()));

  TException assigned(u"something else");
  assigned = source;
  assigned = assigned;
  EXPECT_NE(source.Message(), assigned.Message());
  EXPECT_EQ(u"Invalid array", std::u16string(assigned.Message()));
}
