#include <gtest/gtest.h>

#include "ThrowsMessage.h"
#include "tlib/StringBuilder.h"

using tlib::TStringBuilder;
using tlib_test::Text;

TEST(StringBuilder, BuildsGrowsStartsOverOnClearAndRefusesSurrogatesAppendingNothing) {
  TStringBuilder builder;
  builder.Append(u'R');
  builder.AppendUnits(u"oad", 3);
  builder.Append(0x1F600);
  builder.Append(u'c', 40);
  EXPECT_EQ(u"Road\U0001F600" + std::u16string(40, u'c'), Text(builder.ToString()));
  EXPECT_EQ(45, builder.CodePointCount());
  builder.Clear();
  builder.Append(u'k');
  const char16_t loneHigh[] = {u'a', 0xD800, u'b'}, trailingHigh[] = {u'a', 0xDBFF};
  EXPECT_THROWS_MESSAGE(builder.Append(0xDFFF, 2), u"Invalid character");
  EXPECT_THROWS_MESSAGE(builder.Append(u'a', -1), u"Invalid length");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(loneHigh, 3), u"Invalid data");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(trailingHigh, 2), u"Invalid data");
  EXPECT_EQ(u"k", Text(builder.ToString()));
  EXPECT_EQ(1, builder.CodePointCount());
}
