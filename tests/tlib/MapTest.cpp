#include <gtest/gtest.h>

#include "ThrowsMessage.h"
#include "tlib/Map.h"

using tlib::TMap;
using tlib::TString;

// Among the keys, "Cursor" has a hash with its top bit set, which indexes
// before the buckets unless the division is unsigned.
TEST(Map, KeepsEveryEntryWhileItGrows) {
  TMap<int> map;
  map.Add(u"Cursor", -1);
  for (int i = 1; i <= 300; ++i) map.Add(TString::Format(u"Road%d", i), i * 3);
  EXPECT_EQ(301, map.Count());
  EXPECT_EQ(-1, map.Get(u"Cursor"));
  for (int i = 1; i <= 300; ++i) ASSERT_EQ(i * 3, map.Get(TString::Format(u"Road%d", i))) << i;
  EXPECT_FALSE(map.Contains(u"Road301"));
}

TEST(Map, KeysAreExactAndUnique) {
  TMap<int> map;
  EXPECT_THROWS_MESSAGE(map.Get(u"Frog"), u"Key does not exist");
  map.Add(u"frog", 1);
  map.Add(TString(), 3);
  EXPECT_THROWS_MESSAGE(map.Add(u"frog", 2), u"Key already exists");
  EXPECT_EQ(1, map.Get(u"frog"));
  EXPECT_EQ(3, map.Get(u""));
  EXPECT_FALSE(map.Contains(u"Frog"));
  EXPECT_EQ(2, map.Count());
}
