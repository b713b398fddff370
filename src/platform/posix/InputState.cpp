#include "platform/posix/InputState.h"

namespace platform {
namespace {

constexpr SHORT downBit = SHORT(0x8000);
constexpr SHORT pressedBit = 0x0001;

}  // namespace

InputState& InputState::Instance() {
  static auto* state = new InputState();
  return *state;
}

bool InputState::Press(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= keyCount) return false;
  std::lock_guard guard(lock_);
  bool wasDown = down_[virtualKey];
  down_[virtualKey] = true;
  pressedSincePoll_[virtualKey] = true;
  return wasDown;
}

void InputState::Release(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= keyCount) return;
  std::lock_guard guard(lock_);
  down_[virtualKey] = false;
}

bool InputState::IsDown(int virtualKey) const {
  if (virtualKey < 0 || virtualKey >= keyCount) return false;
  std::lock_guard guard(lock_);
  return down_[virtualKey];
}

SHORT InputState::Poll(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= keyCount) return 0;
  std::lock_guard guard(lock_);
  SHORT state = 0;
  if (down_[virtualKey]) state |= downBit;
  if (pressedSincePoll_[virtualKey]) state |= pressedBit;
  pressedSincePoll_[virtualKey] = false;
  return state;
}

int InputState::ChangeCursorCount(bool show) {
  std::lock_guard guard(lock_);
  cursorCount_ += show ? 1 : -1;
  return cursorCount_;
}

int InputState::CursorCount() const {
  std::lock_guard guard(lock_);
  return cursorCount_;
}

void InputState::Clear() {
  std::lock_guard guard(lock_);
  down_.fill(false);
  pressedSincePoll_.fill(false);
  cursorCount_ = 0;
}

}  // namespace platform
