// The message of the TException an action throws, so that a test can compare
// it with the exact text the framework must report.
#pragma once

#include <string>

#include "tlib/Exception.h"

template <typename Action>
std::u16string ThrownMessage(Action action) {
  try {
    action();
  } catch (const tlib::TException& error) {
    return error.Message();
  }
  return u"(nothing thrown)";
}
