#include <gtest/gtest.h>

#include "ThrowsMessage.h"
#include "tlib/StringBuilder.h"

using tlib::TString;
using tlib::TStringBuilder;
using tlib_test::Text;

TEST(StringBuilder, BuildsAndGrowsToTwiceTheCapacityOrWhatIsNeeded) {
  TStringBuilder builder;
  EXPECT_EQ(0, builder.ToString().ShareCount());
  builder.Append(u'R');
  EXPECT_EQ(8, builder.Capacity());
  builder.AppendUnits(u"oad", 3);
  builder.Append(0x1F600);
  builder.Append(u'!', 3);
  EXPECT_EQ(u"Road\U0001F600!!!", Text(builder.ToString()));
  EXPECT_EQ(16, builder.Capacity());
  EXPECT_EQ(8, builder.CodePointCount());
  builder.Append(u'c', 40);
  EXPECT_EQ(49, builder.Capacity());

  TString before = builder.ToString();
  builder.Clear();
  EXPECT_EQ(0, builder.CodePointCount());
  EXPECT_EQ(49, builder.Capacity());
  builder.Append(u'y');
  EXPECT_EQ(u"y", Text(builder.ToString()));
  EXPECT_EQ(49, before.Length());
}

TEST(StringBuilder, RejectsSurrogatesAndBadCounts) {
  TStringBuilder builder;
  builder.Append(u'k');
  const char16_t loneHigh[] = {u'a', 0xD800, u'b'};
  const char16_t trailingHigh[] = {u'a', 0xDBFF};
  const char16_t loneLow[] = {0xDC00};
  EXPECT_THROWS_MESSAGE(builder.Append(0xDFFF, 2), u"Invalid character");
  EXPECT_THROWS_MESSAGE(builder.Append(0x110000), u"Invalid character");
  EXPECT_THROWS_MESSAGE(builder.Append(u'a', -1), u"Invalid length");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(loneHigh, 3), u"Invalid data");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(trailingHigh, 2), u"Invalid data");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(loneLow, 1), u"Invalid data");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(nullptr, 1), u"Invalid data");
  EXPECT_EQ(u"k", Text(builder.ToString()));
  EXPECT_EQ(1, builder.CodePointCount());
}
