// The live windows, by handle. Handles are never reused, so a stale handle is
// refused instead of reaching another window.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/posix/MessageQueue.h"
#include "platform/posix/WinUser.h"

namespace platform {

struct Window {
  std::u16string className;
  WNDPROC procedure = nullptr;
  std::u16string text;
  DWORD style = 0;
  RECT outer{};  // in screen coordinates
  LONG_PTR userData = 0;
  std::shared_ptr<MessageQueue> queue;  // the queue of the thread that made it
  bool visible = false;
  bool destroying = false;

  // The client area in screen coordinates.
  RECT ClientArea() const;
};

class WindowTable {
 public:
  static WindowTable& Instance();

  HWND Add(Window window);
  void Remove(HWND handle);
  // A copy of the live window, taken under the lock.
  std::optional<Window> Find(HWND handle) const;
  // Changes the live window under the lock; false when there is none.
  template <typename Change>
  bool Update(HWND handle, Change change) {
    std::lock_guard guard(lock_);
    auto found = windows_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == windows_.end()) return false;
    change(found->second);
    return true;
  }
  // The most recently made window that is not being destroyed, or null.
  HWND Newest() const;
  void Clear();

 private:
  WindowTable() = default;

  mutable std::mutex lock_;
  std::map<std::uintptr_t, Window> windows_;
  std::uintptr_t nextHandle_ = 0x10010;
};

}  // namespace platform
