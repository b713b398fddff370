#include <gtest/gtest.h>

#include <vector>

#include "ThrowsMessage.h"
#include "tlib/Array.h"

using tlib::TArray;

namespace {

struct Record {
  int id;
  double x, y;
};

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
  EXPECT_EQ(0, array.Capacity());
  std::vector<int> capacities;
  for (int i = 0; i < 41; ++i) {
    array.Append(i);
    if (capacities.empty() || capacities.back() != array.Capacity()) {
      capacities.push_back(array.Capacity());
    }
  }
  EXPECT_EQ((std::vector<int>{8, 12, 18, 27, 40, 60}), capacities);
  EXPECT_EQ(41, array.Count());
  EXPECT_EQ(40, array.Last());
  EXPECT_EQ(17, array.At(17));
}

TEST(Array, BadIndicesChangeNothing) {
  TArray<int> array = ArrayOf({1, 2, 3});
  EXPECT_THROWS_MESSAGE(array.RemoveAt(3), u"Item index out of bounds");
  EXPECT_THROWS_MESSAGE(array.RemoveAt(-1), u"Item index out of bounds");
  EXPECT_THROWS_MESSAGE(array.At(3), u"Item index out of bounds");
  EXPECT_THROWS_MESSAGE(array.At(-1), u"Item index out of bounds");
  EXPECT_EQ((std::vector<int>{1, 2, 3}), Contents(array));
  EXPECT_EQ(8, array.Capacity());

  TArray<int> empty;
  EXPECT_THROWS_MESSAGE(empty.At(0), u"Item index out of bounds");
  EXPECT_THROWS_MESSAGE(empty.Last(), u"Array is empty");
  EXPECT_THROWS_MESSAGE(empty.Reserve(0), u"minItems == 0");
}

TEST(Array, RemovalClosesTheGapAndKeepsTheCapacity) {
  TArray<int> array = ArrayOf({10, 20, 30, 40});
  array.RemoveAt(0);
  EXPECT_EQ((std::vector<int>{20, 30, 40}), Contents(array));
  array.RemoveAt(1);
  EXPECT_EQ((std::vector<int>{20, 40}), Contents(array));
  array.RemoveAt(1);
  EXPECT_EQ((std::vector<int>{20}), Contents(array));
  EXPECT_EQ(8, array.Capacity());
}

TEST(Array, RemoveValueTakesTheFirstMatch) {
  int a = 0, b = 0, missing = 0;
  TArray<int*> windows;
  windows.Append(&a);
  windows.Append(&b);
  windows.Append(&a);
  windows.RemoveValue(&a);
  ASSERT_EQ(2, windows.Count());
  EXPECT_EQ(&b, windows.At(0));
  EXPECT_EQ(&a, windows.At(1));
  EXPECT_THROWS_MESSAGE(windows.RemoveValue(&missing), u"Item is not in array");
  EXPECT_THROWS_MESSAGE(TArray<int*>().RemoveValue(&a), u"Item is not in array");
  EXPECT_EQ(2, windows.Count());
}

TEST(Array, RecordsAreCopiedWholeAndChangedInPlace) {
  TArray<Record> cars;
  Record car{7, 1.5, -2.25};
  for (int i = 0; i < 8; ++i) cars.Append(car);
  car.x = 99;
  cars.At(0).y = 4;
  cars.Append(cars.At(0));  // the element lives in storage that grows meanwhile
  EXPECT_EQ(7, cars.Last().id);
  EXPECT_EQ(1.5, cars.Last().x);
  EXPECT_EQ(4, cars.Last().y);
}

TEST(Array, ChangingASharedBodyDetachesIt) {
  TArray<int> original = ArrayOf({1, 2, 3, 4, 5});
  TArray<int> copy = original;
  copy.Append(6);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), Contents(original));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6}), Contents(copy));
  EXPECT_EQ(8, copy.Capacity());

  TArray<int> second = original;
  second.RemoveAt(0);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), Contents(original));
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5}), Contents(second));

  TArray<int> third = original;
  third.RemoveValue(3);
  EXPECT_EQ(5, original.Count());
  EXPECT_EQ((std::vector<int>{1, 2, 4, 5}), Contents(third));
}

TEST(Array, SharedBodyOutlivesItsFirstHandle) {
  auto* first = new TArray<int>(ArrayOf({4, 5}));
  TArray<int> second;
  second = *first;
  delete first;
  EXPECT_EQ((std::vector<int>{4, 5}), Contents(second));
}

TEST(Array, SelfAssignmentKeepsTheElements) {
  TArray<int> array = ArrayOf({4, 5});
  array = array;
  EXPECT_EQ((std::vector<int>{4, 5}), Contents(array));
}
