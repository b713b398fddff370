#include <gtest/gtest.h>

#include "ThrowsMessage.h"
#include "tlib/StringBuilder.h"

using tlib::TStringBuilder;
using tlib_test::Text;

TEST(StringBuilder, BuildsGrowsAndStartsOverOnClear) {
  TStringBuilder builder;
  EXPECT_EQ(0, builder.ToString().ShareCount());
  builder.Append(u'R');
  builder.AppendUnits(u"oad", 3);
  builder.Append(0x1F600);
  builder.Append(u'!', 3);
  builder.Append(u'c', 40);
  EXPECT_EQ(u"Road\U0001F600!!!" + std::u16string(40, u'c'), Text(builder.ToString()));
  EXPECT_EQ(48, builder.CodePointCount());
  const tlib::TString before = builder.ToString();
  builder.Clear();
  EXPECT_EQ(0, builder.CodePointCount());
  builder.Append(u'y');
  EXPECT_EQ(u"y", Text(builder.ToString()));
  EXPECT_EQ(1, builder.CodePointCount());
  EXPECT_EQ(49, before.Length());
}

TEST(StringBuilder, RejectsSurrogatesAndBadCountsAppendingNothing) {
  TStringBuilder builder;
  builder.Append(u'k');
  const char16_t loneHigh[] = {u'a', 0xD800, u'b'}, trailingHigh[] = {u'a', 0xDBFF};
  const char16_t loneLow[] = {0xDC00};
  EXPECT_THROWS_MESSAGE(builder.Append(0xDFFF, 2), u"Invalid character");
  EXPECT_THROWS_MESSAGE(builder.Append(0x110000), u"Invalid character");
  EXPECT_THROWS_MESSAGE(builder.Append(u'a', -1), u"Invalid length");
  for (const auto& [units, count] : {std::pair<const char16_t*, int>{loneHigh, 3},
                                     {trailingHigh, 2},
                                     {loneLow, 1},
                                     {nullptr, 1}}) {
    EXPECT_THROWS_MESSAGE(builder.AppendUnits(units, count), u"Invalid data");
  }
  EXPECT_EQ(u"k", Text(builder.ToString()));
  EXPECT_EQ(1, builder.CodePointCount());
}
