// The keyboard and mouse state that GetAsyncKeyState and ShowCursor report,
// shared by all threads as on Windows.
#pragma once

#include <array>
#include <mutex>

#include "platform/posix/WinUser.h"

namespace platform {

class InputState {
 public:
  static InputState& Instance();

  // Records a key (or mouse button) going down; true when it was down already,
  // which makes this press an auto-repeat.
  bool Press(int virtualKey);
  void Release(int virtualKey);
  bool IsDown(int virtualKey) const;
  // GetAsyncKeyState: bit 15 while down, bit 0 when pressed since the previous
  // poll of the same key. Keys outside 0..255 are never down.
  SHORT Poll(int virtualKey);

  // ShowCursor's display count, moved by one; returns the new count.
  int ChangeCursorCount(bool show);
  int CursorCount() const;

  void Clear();

 private:
  InputState() = default;

  static constexpr int keyCount = 256;

  mutable std::mutex lock_;
  std::array<bool, keyCount> down_{};
  std::array<bool, keyCount> pressedSincePoll_{};
  int cursorCount_ = 0;
};

}  // namespace platform
