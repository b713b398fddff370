// Checks that a statement throws tlib::TException with an exact message:
//   EXPECT_THROWS_MESSAGE(array.Last(), u"Array is empty");
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tlib/Exception.h"
#include "tlib/String.h"

namespace tlib_test {

// The message of the TException the action throws, or a note that it threw none.
template <typename Action>
std::u16string MessageOf(Action action) {
  try {
    action();
  } catch (const tlib::TException& error) {
    return error.Message();
  }
  return u"(no TException thrown)";
}

inline std::u16string Text(const tlib::TString& text) {
  return std::u16string(text.CStr(), static_cast<std::size_t>(text.Length()));
}

}  // namespace tlib_test

#define EXPECT_THROWS_MESSAGE(statement, message) \
  EXPECT_EQ(std::u16string(message), tlib_test::MessageOf([&] { (void)(statement); }))
