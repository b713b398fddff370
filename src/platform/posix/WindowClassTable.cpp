#include "platform/posix/WindowClassTable.h"

namespace platform {

WindowClassTable& WindowClassTable::Instance() {
  static auto* table = new WindowClassTable();
  return *table;
}

ATOM WindowClassTable::Register(const std::u16string& name, WNDPROC procedure) {
  std::lock_guard guard(lock_);
  auto [entry, added] = classes_.try_emplace(name, WindowClass{nextAtom_, procedure});
  if (!added) return 0;
  ++nextAtom_;
  return entry->second.atom;
}

std::optional<WNDPROC> WindowClassTable::Find(const std::u16string& name) const {
  std::lock_guard guard(lock_);
  auto found = classes_.find(name);
  if (found == classes_.end()) return std::nullopt;
  return found->second.procedure;
}

void WindowClassTable::Clear() {
  std::lock_guard guard(lock_);
  classes_.clear();
}

}  // namespace platform
