// One message as a test saw it, for comparing what arrived with a table of
// expected messages. Fields left out of a table entry are expected to be 0.
#pragma once

#include <ostream>

#include "platform/Windows.h"

struct Seen {
  UINT message;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;

  bool operator==(const Seen&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Seen& seen) {
  return out << "{0x" << std::hex << seen.message << std::dec << ", " << seen.wParam << ", 0x"
             << std::hex << seen.lParam << std::dec << " @" << seen.time << "}";
}
