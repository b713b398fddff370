#include "platform/posix/WindowTable.h"

#include "platform/posix/WindowFrame.h"

namespace platform {
namespace {

std::uintptr_t Key(HWND handle) { return reinterpret_cast<std::uintptr_t>(handle); }

}  // namespace

RECT Window::ClientArea() const {
  WindowFrame frame = FrameFor(style, false);
  return RECT{outer.left + frame.left, outer.top + frame.top, outer.right - frame.right,
              outer.bottom - frame.bottom};
}

WindowTable& WindowTable::Instance() {
  static auto* table = new WindowTable();
  return *table;
}

HWND WindowTable::Add(Window window) {
  std::lock_guard guard(lock_);
  std::uintptr_t key = nextHandle_;
  nextHandle_ += 2;  // window handles are even on Windows too
  windows_.emplace(key, std::move(window));
  return reinterpret_cast<HWND>(key);
}

void WindowTable::Remove(HWND handle) {
  std::lock_guard guard(lock_);
  windows_.erase(Key(handle));
}

std::optional<Window> WindowTable::Find(HWND handle) const {
  std::lock_guard guard(lock_);
  auto found = windows_.find(Key(handle));
  if (found == windows_.end()) return std::nullopt;
  return found->second;
}

HWND WindowTable::Newest() const {
  std::lock_guard guard(lock_);
  for (auto entry = windows_.rbegin(); entry != windows_.rend(); ++entry) {
    if (!entry->second.destroying) return reinterpret_cast<HWND>(entry->first);
  }
  return nullptr;
}

void WindowTable::Clear() {
  std::lock_guard guard(lock_);
  windows_.clear();
}

}  // namespace platform
