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

TEST(Array, GrowsByHalfFromEight) {
  TArray<int> array;
  std::vector<int> capacities{array.Capacity()};
  for (int i = 0; i < 41; ++i) {
    array.Append(i);
    if (capacities.back() != array.Capacity()) capacities.push_back(array.Capacity());
  }
  EXPECT_EQ((std::vector<int>{0, 8, 12, 18, 27, 40, 60}), capacities);
  EXPECT_EQ(41, array.Count());
  EXPECT_EQ(40, array.Last());
}

TEST(Array, BadIndicesChangeNothing) {
  TArray<int> array = ArrayOf({1, 2, 3});
  for (int bad : {3, -1}) {
    EXPECT_THROWS_MESSAGE(array.RemoveAt(bad), u"Item index out of bounds");
    EXPECT_THROWS_MESSAGE(array.At(bad), u"Item index out of bounds");
  }
  EXPECT_THROWS_MESSAGE(array.RemoveValue(4), u"Item is not in array");
  EXPECT_EQ((std::vector<int>{1, 2, 3}), Contents(array));
  EXPECT_EQ(8, array.Capacity());

  TArray<int> empty;
  EXPECT_THROWS_MESSAGE(empty.Last(), u"Array is empty");
  EXPECT_THROWS_MESSAGE(empty.RemoveValue(1), u"Item is not in array");
  EXPECT_THROWS_MESSAGE(empty.Reserve(0), u"minItems == 0");
}

TEST(Array, RemovalClosesTheGapAndTakesTheFirstMatch) {
  TArray<int> array = ArrayOf({10, 20, 30, 20, 40});
  array.RemoveAt(0);
  array.RemoveValue(20);
  EXPECT_EQ((std::vector<int>{30, 20, 40}), Contents(array));
  array.RemoveAt(2);
  EXPECT_EQ((std::vector<int>{30, 20}), Contents(array));
  EXPECT_EQ(8, array.Capacity());
}

TEST(Array, AppendingAnElementOfItsOwnWhileGrowing) {
  struct Record {
    int id;
    double x, y;
  };
  TArray<Record> cars;
  for (int i = 0; i < 8; ++i) cars.Append({7, 1.5, -2.25});
  cars.At(0).y = 4;
  cars.Append(cars.At(0));  // the element lives in storage that grows meanwhile
  EXPECT_EQ(7, cars.Last().id);
  EXPECT_EQ(1.5, cars.Last().x);
  EXPECT_EQ(4, cars.Last().y);
}

TEST(Array, ChangingASharedBodyDetachesIt) {
  TArray<int> original = ArrayOf({1, 2, 3, 4, 5});
  TArray<int> appended = original, removed = original, removedValue = original;
  TArray<int>& same = original;  // assigned to itself through another name
  original = same;
  appended.Append(6);
  removed.RemoveAt(0);
  removedValue.RemoveValue(3);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), Contents(original));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6}), Contents(appended));
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5}), Contents(removed));
  EXPECT_EQ((std::vector<int>{1, 2, 4, 5}), Contents(removedValue));
}

TEST(Array, SharedBodyOutlivesItsFirstHandle) {
  auto* first = new TArray<int>(ArrayOf({4, 5}));
  TArray<int> second;
  second = *first;
  delete first;
  EXPECT_EQ((std::vector<int>{4, 5}), Contents(second));
}
