#include <gtest/gtest.h>

#include <vector>

#include "ThrowsMessage.h"
#include "tlib/Array.h"

using tlib::TArray;

namespace {

std::vector<int> Contents(const TArray<int>& array) {
  std::vector<int> items;
  for (int i = 0; i < array.Count(); ++i) items.push_back(array.At(i));
  return items;
}

TArray<int> ArrayOf(std::initializer_list<int> items) {
  TArray<int> array;
  for (int item : items) array.Append(item);
  return array;
}

}  // namespace

TEST(Array, KeepsEveryElementAsItGrowsRemovalClosesTheGapAndBadIndicesChangeNothing) {
  TArray<int> array;
  std::vector<int> expected;
  for (int i = 0; i < 41; ++i) array.Append(i), expected.push_back(i);
  array.RemoveAt(0);
  array.RemoveValue(20);
  array.RemoveAt(array.Count() - 1);
  expected.erase(expected.begin() + 20);
  expected = std::vector<int>(expected.begin() + 1, expected.end() - 1);
  for (int bad : {38, -1}) {
    EXPECT_THROWS_MESSAGE(array.RemoveAt(bad), u"Item index out of bounds");
    EXPECT_THROWS_MESSAGE(array.At(bad), u"Item index out of bounds");
  }
  EXPECT_THROWS_MESSAGE(array.RemoveValue(20), u"Item is not in array");
  EXPECT_EQ(expected, Contents(array));
  TArray<int> twice = ArrayOf({10, 20, 30, 20}), empty;
  twice.RemoveValue(20);  // the first match only
  EXPECT_EQ((std::vector<int>{10, 30, 20}), Contents(twice));
  EXPECT_THROWS_MESSAGE(empty.Last(), u"Array is empty");
  EXPECT_THROWS_MESSAGE(empty.Reserve(0), u"minItems == 0");
}

TEST(Array, AppendingAnElementOfItsOwnWhileGrowing) {
  struct Record {
    int id;
    double x, y;
  };
  TArray<Record> cars;
  for (int i = 0; i < 8; ++i) cars.Append({i, 1.5, -2.25});
  cars.Append(cars.At(3));  // the element lives in storage that grows meanwhile
  EXPECT_EQ(3, cars.Last().id);
  EXPECT_EQ(-2.25, cars.Last().y);
}

TEST(Array, CopiesShareUntilOneChanges) {
  auto* original = new TArray<int>(ArrayOf({1, 2, 3, 4, 5}));
  TArray<int> appended = *original, removed = *original, removedValue = *original, kept;
  kept = *original;
  TArray<int>& same = kept;  // assigned to itself through another name
  kept = same;
  appended.Append(6);
  removed.RemoveAt(0);
  removedValue.RemoveValue(3);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), Contents(*original));
  delete original;
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), Contents(kept));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6}), Contents(appended));
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5}), Contents(removed));
  EXPECT_EQ((std::vector<int>{1, 2, 4, 5}), Contents(removedValue));
}
