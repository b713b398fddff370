#include <gtest/gtest.h>

#include <optional>

#include "ThrowsMessage.h"
#include "tlib/String.h"

using tlib::TString;
using tlib_test::Text;

namespace {

// a, U+1F600 as its surrogate pair, b.
const char16_t smileUnits[] = {u'a', 0xD83D, 0xDE00, u'b'};
TString Smile() { return TString(4, smileUnits); }

}  // namespace

TEST(String, EmptyStringOwnsNothing) {
  for (const TString& empty :
       {TString(), TString(0, nullptr), TString(0, u"abc"), TString(u""), TString() + TString(),
        TString::Format(u""), TString::Repeat(u'x', 0)}) {
    EXPECT_EQ(0, empty.Length());
    EXPECT_EQ(0, empty.ShareCount());
    EXPECT_EQ(0, empty.CStr()[0]);
  }
  EXPECT_THROWS_MESSAGE(TString(3, nullptr), u"Invalid arguments");
}

TEST(String, CopiesShareOneBufferThatOutlivesTheFirstOwner) {
  const char16_t units[] = {u'a', u'b', u'c', u'd'};
  std::optional<TString> first(TString(3, units));
  EXPECT_NE(units, first->CStr());
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

TEST(String, ConcatenationAppendAndEquality) {
  TString ab(u"ab");
  EXPECT_EQ(ab.CStr(), (TString() + ab).CStr());
  EXPECT_EQ(ab.CStr(), (ab + TString()).CStr());
  TString sharer = ab;
  ab.Append(u"10");
  EXPECT_EQ(u"ab10", Text(ab));
  EXPECT_EQ(u"ab", Text(sharer));
  EXPECT_TRUE(TString() == TString(0, u"x"));
  EXPECT_FALSE(sharer == TString(u"ab1") || TString(u"ab1") == sharer);
  EXPECT_TRUE(TString(u"Road1") != TString(u"Road2"));
}

TEST(String, IterationDecodesSurrogatePairsBothWays) {
  TString text = Smile();
  std::u32string seen;
  std::u16string starts;
  for (int i = 0; text.IsValidIndex(i); text.Advance(i)) {
    seen += static_cast<char32_t>(text.CodePointAt(i));
    starts += static_cast<char16_t>(u'0' + i);
  }
  EXPECT_EQ(U"a\U0001F600b", seen);
  EXPECT_EQ(u"013", starts);
  int back = 4;
  for (int expected : {3, 1, 0}) {
    text.StepBack(back);
    EXPECT_EQ(expected, back);
  }
  EXPECT_THROWS_MESSAGE(text.StepBack(back), u"Invalid iterator");
  EXPECT_THROWS_MESSAGE(text.CodePointAt(4), u"Invalid iterator");
  EXPECT_THROWS_MESSAGE(text.CodePointAt(-1), u"Invalid iterator");
  EXPECT_EQ(1, TString(3, smileUnits).LastCodePointStart());
  EXPECT_EQ(-1, TString().LastCodePointStart());
}

TEST(String, DecodingRejectsBrokenPairs) {
  TString loneLow(1, smileUnits + 2), trailingHigh(2, smileUnits);
  const char16_t highThenLetter[] = {0xD83D, u'a'};
  int last = 1;
  EXPECT_THROWS_MESSAGE(loneLow.CodePointAt(0), u"Invalid string data");
  EXPECT_THROWS_MESSAGE(trailingHigh.Advance(last), u"Invalid string data");
  EXPECT_THROWS_MESSAGE(TString(2, highThenLetter).CodePointAt(0), u"Invalid string data");
  EXPECT_THROWS_MESSAGE(trailingHigh.LastCodePointStart(), u"Invalid string data");
  EXPECT_THROWS_MESSAGE(loneLow.LastCodePointStart(), u"Invalid string data");
  EXPECT_THROWS_MESSAGE(trailingHigh.CodePointCount(), u"Invalid string data");
}

TEST(String, RepeatedCodePoints) {
  EXPECT_EQ(u"\U0001F600\U0001F600", Text(TString::Repeat(0x1F600, 2)));
  EXPECT_THROWS_MESSAGE(TString::Repeat(-1, 1), u"Invalid character");
  EXPECT_THROWS_MESSAGE(TString::Repeat(0x110000, 1), u"Invalid character");
  EXPECT_THROWS_MESSAGE(TString::Repeat(u'x', -1), u"Invalid count");
}

TEST(String, PositionsCountCodePoints) {
  TString text = Smile();
  EXPECT_EQ(3, text.CodePointCount());
  EXPECT_EQ(u'b', text.CodePointAtPosition(2));
  EXPECT_THROWS_MESSAGE(text.CodePointAtPosition(3), u"Invalid index");
  EXPECT_THROWS_MESSAGE(text.CodePointAtPosition(-1), u"Invalid index");
  EXPECT_THROWS_MESSAGE(text.CodePointAtPosition(4), u"Index out of range");
  EXPECT_EQ(4, text.ToUnitIndex(3));
  EXPECT_THROWS_MESSAGE(text.ToUnitIndex(-1), u"Index out of range");
  EXPECT_EQ(3, text.UnitsSpanned(1, 2));
  EXPECT_THROWS_MESSAGE(text.UnitsSpanned(5, 0), u"Invalid start pos");
  EXPECT_THROWS_MESSAGE(text.UnitsSpanned(3, 2), u"Invalid length");
  EXPECT_THROWS_MESSAGE(text.UnitsSpanned(2, 1), u"Invalid string data");
  EXPECT_EQ(u"\U0001F600b", Text(text.Tail(1)));
  EXPECT_THROWS_MESSAGE(text.Tail(4), u"Index out of range");
  EXPECT_EQ(u"a\U0001F600", Text(text.Substring(0, 2)));
  EXPECT_EQ(u"Road", Text(TString(u"Road").Substring(0, 4)));  // the whole text
  EXPECT_EQ(u"oad", Text(TString(u"Road").Substring(1, 3)));
  EXPECT_THROWS_MESSAGE(text.Substring(-1, 1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(text.Substring(0, 5), u"Substring length cannot exceed string length");
  EXPECT_THROWS_MESSAGE(text.Substring(2, 2), u"Invalid length");
}

TEST(String, FindingTextAndCodePoints) {
  TString text = Smile() + u"ab";  // a, U+1F600, b, a, b
  EXPECT_EQ(2, text.Find(u"ba"));
  EXPECT_EQ(3, text.Find(u"ab"));  // the very end
  EXPECT_EQ(3, text.Find(u"a", 1));
  EXPECT_EQ(-1, text.Find(u"abc"));
  EXPECT_THROWS_MESSAGE(text.Find(TString()), u"Cannot match empty string");
  EXPECT_THROWS_MESSAGE(text.Find(u"a", 6), u"Index out of range");
  EXPECT_EQ(4, text.FindCodePoint(u'b', 3));
  EXPECT_EQ(-1, text.FindCodePoint(u'z'));
  EXPECT_EQ(4, text.FindLastCodePoint(u'b'));
}

TEST(String, CharacterClassesOfSixteenBitCodePoints) {
  EXPECT_TRUE(TString::IsLetter(u'Q') && TString::IsLetterOrDigit(u'7') &&
              TString::IsWhiteSpace(u'\t'));
  EXPECT_FALSE(TString::IsLetter(u'7') || TString::IsLetter(0x10400));  // a letter beyond 16 bits
  for (int invalid : {-1, 0xD800, 0x110000}) {
    EXPECT_THROWS_MESSAGE(TString::IsWhiteSpace(invalid), u"Invalid character code");
  }
}
