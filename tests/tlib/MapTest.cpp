#include <gtest/gtest.h>

#include <vector>

#include "ThrowsMessage.h"
#include "tlib/Map.h"

using tlib::HashKey;
using tlib::TMap;
using tlib::TString;

TEST(Map, HashesTheKeyBytes) {
  EXPECT_EQ(0u, HashKey(TString()));
  EXPECT_EQ(463u, HashKey(u"A"));  // (0 * 7 + 0x41 + 1) * 7 + 0 + 1
  const char16_t highByte[] = {0x0100};
  EXPECT_EQ(9u, HashKey(TString(1, highByte)));  // low byte 00 first (high first gives 15)

  // "Cursor" lands in bucket 2 of 8 only with unsigned division; a signed one
  // would index before the bucket array.
  EXPECT_EQ(2166047106u, HashKey(u"Cursor"));
  TMap<int> sprites;
  sprites.Add(u"Cursor", 5);
  EXPECT_EQ(5, sprites.Get(u"Cursor"));
}

TEST(Map, DoublesTheBucketsAtEightyPercentAndKeepsEveryEntry) {
  TMap<int> map;
  EXPECT_EQ(8, map.BucketCount());
  std::vector<int> growthAt;
  int buckets = map.BucketCount();
  for (int i = 1; i <= 300; ++i) {
    map.Add(TString::Format(u"Road%d", i), i * 3);
    if (map.BucketCount() != buckets) growthAt.push_back(i);
    buckets = map.BucketCount();
  }
  EXPECT_EQ((std::vector<int>{7, 13, 26, 52, 103, 205}), growthAt);
  EXPECT_EQ(512, map.BucketCount());
  EXPECT_EQ(409, map.GrowthThreshold());
  for (int i = 1; i <= 300; ++i) {
    ASSERT_EQ(i * 3, map.Get(TString::Format(u"Road%d", i))) << i;
  }
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
