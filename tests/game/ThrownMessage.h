// The message of the TException an action throws, for comparing with the
// exact text the game promises.
#pragma once

#include <string>

#include "tlib/Exception.h"

template <typename Action>
std::u16string ThrownMessage(Action&& action) {
  try {
    action();
  } catch (const tlib::TException& error) {
    return error.Message();
  }
  return u"(nothing was thrown)";
}
