#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ThrowsMessage.h"
#include "tlib/String.h"

using tlib::TString;
using tlib_test::Text;

TEST(String, EmptyConcatenationAppendAndEquality) {
  for (const TString& empty : {TString(), TString(0, u"abc"), TString() + TString(),
                               TString::Format(u""), TString::Repeat(u'x', 0)}) {
    EXPECT_EQ(0, empty.ShareCount());
    EXPECT_EQ(0, empty.CStr()[0]);
  }
  EXPECT_THROWS_MESSAGE(TString(3, nullptr), u"Invalid arguments");
  TString ab(u"ab");
  EXPECT_EQ(ab.CStr(), (TString() + ab).CStr());
  EXPECT_EQ(ab.CStr(), (ab + TString()).CStr());
  TString sharer = ab;
  ab.Append(u"10");
  EXPECT_EQ(u"ab10", Text(ab));
  EXPECT_EQ(u"ab", Text(sharer));
  EXPECT_FALSE(sharer == TString(u"ab1") || TString(u"ab1") == sharer);
  EXPECT_TRUE(TString(u"Road1") != TString(u"Road2"));
}

TEST(String, CopiesShareOneBufferThatOutlivesTheFirstOwner) {
  std::optional<TString> first(TString(u"abc"));
  std::optional<TString> second(*first);
  TString third(u"other");
  third = *second;
  TString& same = third;  // assigned to itself through another name
  third = same;
  EXPECT_EQ(first->CStr(), third.CStr());
  EXPECT_EQ(3, third.ShareCount());
  first.reset();
  second.reset();
  EXPECT_EQ(1, third.ShareCount());
  EXPECT_EQ(u"abc", Text(third));
}

// Positions count code points, indices UTF-16 units (Find gives positions); each call gives its
// result as text, or the message of what it throws.
TEST(String, CodePointFunctions) {
  const char16_t units[] = {u'a', 0xD83D, 0xDE00, u'b', u'a', u'b'};  // U+1F600 as a pair
  const TString text(6, units), loneLow(1, units + 2), trailingHigh(2, units);
  const char16_t highThenLetter[] = {0xD83D, u'a'};
  auto n = [](int value) { return TString::FromInt(value); };
  const std::pair<std::function<TString()>, std::u16string> cases[] = {
      {[&] { return n(text.CodePointCount()); }, u"5"},
      {[&] { return n(text.CodePointAt(1)); }, u"128512"},
      {[&] { return n(text.CodePointAtPosition(2)); }, u"98"},
      {[&] { return n(text.CodePointAtPosition(5)); }, u"Invalid index"},
      {[&] { return n(text.ToUnitIndex(3)); }, u"4"},
      {[&] { return n(text.UnitsSpanned(1, 2)); }, u"3"},
      {[&] { return n(text.UnitsSpanned(2, 1)); }, u"Invalid string data"},
      {[&] { return n(text.LastCodePointStart()); }, u"5"},
      {[&] { return n(TString(3, units).LastCodePointStart()); }, u"1"},
      {[&] { return text.Tail(1); }, u"\U0001F600bab"},
      {[&] { return text.Substring(0, 2); }, u"a\U0001F600"},
      {[&] { return TString(u"Road").Substring(0, 4); }, u"Road"},
      {[&] { return text.Substring(4, 2); }, u"Invalid length"},
      {[&] { return n(text.Find(u"ba")); }, u"2"},
      {[&] { return n(text.Find(u"ab")); }, u"3"},
      {[&] { return n(text.Find(u"a", 1)); }, u"3"},
      {[&] { return n(text.Find(u"abc")); }, u"-1"},
      {[&] { return n(text.Find(TString())); }, u"Cannot match empty string"},
      {[&] { return n(text.FindCodePoint(u'b', 3)); }, u"4"},
      {[&] { return n(text.FindLastCodePoint(u'a')); }, u"3"},
      {[&] { return TString::Repeat(0x1F600, 2); }, u"\U0001F600\U0001F600"},
      {[&] { return TString::Repeat(0x110000, 1); }, u"Invalid character"},
      {[&] { return n(TString::IsLetter(u'Q') + 2 * TString::IsLetter(0x10400)); }, u"1"},
      {[&] { return n(TString::IsWhiteSpace(0xD800)); }, u"Invalid character code"},
      {[&] { return n(loneLow.CodePointAt(0)); }, u"Invalid string data"},
      {[&] { return n(TString(2, highThenLetter).CodePointAt(0)); }, u"Invalid string data"},
      {[&] { return n(trailingHigh.CodePointCount()); }, u"Invalid string data"}};
  for (const auto& [call, expected] : cases) {
    std::u16string result;
    try {
      result = Text(call());
    } catch (const tlib::TException& error) {
      result = error.Message();
    }
    EXPECT_EQ(expected, result);
  }
  std::u16string starts;
  for (int i = 0; text.IsValidIndex(i); text.Advance(i)) starts += static_cast<char16_t>(u'0' + i);
  EXPECT_EQ(u"01345", starts);
  int back = 6;
  for (int expected : {5, 4, 3, 1, 0}) {
    text.StepBack(back);
    EXPECT_EQ(expected, back);
  }
}
