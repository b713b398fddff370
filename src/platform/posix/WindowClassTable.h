// The registered window classes, by name (compared exactly).
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/posix/WinUser.h"

namespace platform {

class WindowClassTable {
 public:
  static WindowClassTable& Instance();

  // The class's atom, or 0 when the name is taken.
  ATOM Register(const std::u16string& name, WNDPROC procedure);
  // The window procedure of a registered class.
  std::optional<WNDPROC> Find(const std::u16string& name) const;
  void Clear();

 private:
  WindowClassTable() = default;

  struct WindowClass {
    ATOM atom;
    WNDPROC procedure;
  };

  mutable std::mutex lock_;
  std::map<std::u16string, WindowClass> classes_;
  ATOM nextAtom_ = 0xC000;  // where Windows numbers registered classes from
};

}  // namespace platform
