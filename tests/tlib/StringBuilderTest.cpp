#include <gtest/gtest.h>

#include "ThrowsMessage.h"
#include "tlib/StringBuilder.h"

using tlib::TString;
using tlib::TStringBuilder;
using tlib_test::Text;

TEST(StringBuilder, BuildsCodePointsAndUnits) {
  TStringBuilder builder;
  EXPECT_EQ(0, builder.ToString().ShareCount());
  builder.Append(u'R');
  builder.AppendUnits(u"oad", 3);
  builder.Append(0x1F600);
  builder.Append(u'!', 2);
  EXPECT_EQ(u"Road\U0001F600!!", Text(builder.ToString()));
  EXPECT_EQ(8, builder.Length());
  EXPECT_EQ(7, builder.CodePointCount());
}

TEST(StringBuilder, GrowsToTwiceTheCapacityOrWhatIsNeeded) {
  TStringBuilder builder;
  builder.Append(u'a');
  EXPECT_EQ(8, builder.Capacity());
  builder.Append(u'b', 8);
  EXPECT_EQ(16, builder.Capacity());
  builder.Append(u'c', 40);
  EXPECT_EQ(49, builder.Capacity());
  EXPECT_EQ(49, builder.ToString().Length());
}

TEST(StringBuilder, ClearKeepsTheBuffer) {
  TStringBuilder builder;
  builder.Append(u'x', 20);
  TString before = builder.ToString();
  builder.Clear();
  EXPECT_EQ(0, builder.Length());
  EXPECT_EQ(0, builder.CodePointCount());
  EXPECT_EQ(20, builder.Capacity());
  builder.Append(u'y');
  EXPECT_EQ(u"y", Text(builder.ToString()));
  EXPECT_EQ(20, before.Length());
}

TEST(StringBuilder, RejectsSurrogatesAndBadCounts) {
  TStringBuilder builder;
  builder.Append(u'k');
  const char16_t loneHigh[] = {u'a', 0xD800, u'b'};
  const char16_t loneLow[] = {0xDC00};
  const char16_t trailingHigh[] = {u'a', 0xDBFF};
  EXPECT_THROWS_MESSAGE(builder.Append(0xD800), u"Invalid character");
  EXPECT_THROWS_MESSAGE(builder.Append(0xDFFF, 2), u"Invalid character");
  EXPECT_THROWS_MESSAGE(builder.Append(0x110000), u"Invalid character");
  EXPECT_THROWS_MESSAGE(builder.Append(u'a', -1), u"Invalid length");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(loneHigh, 3), u"Invalid data");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(loneLow, 1), u"Invalid data");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(trailingHigh, 2), u"Invalid data");
  EXPECT_THROWS_MESSAGE(builder.AppendUnits(nullptr, 1), u"Invalid data");
  EXPECT_EQ(u"k", Text(builder.ToString()));
  EXPECT_EQ(1, builder.CodePointCount());
}
