#include "platform/posix/InputEvents.h"

#include "platform/posix/Desktop.h"
#include "platform/posix/InputState.h"

namespace platform {
namespace {

// Key message lParam: a repeat count of 1, bit 30 the key's previous state,
// bit 31 set for a release.
constexpr LPARAM repeatCountOne = 1;
constexpr LPARAM wasDownBit = LPARAM(1) << 30;
constexpr LPARAM releasingBit = LPARAM(1) << 31;

void QueueInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  QueueForWindow(MSG{window, message, wParam, lParam, 0, POINT{0, 0}}, QueueKind::Input);
}

// Client coordinates travel as two signed 16-bit halves.
LPARAM PointParameter(POINT position) {
  return MAKELPARAM(static_cast<short>(position.x), static_cast<short>(position.y));
}

WPARAM ButtonFlags() {
  const InputState& input = InputState::Instance();
  WPARAM flags = 0;
  if (input.IsDown(VK_LBUTTON)) flags |= MK_LBUTTON;
  if (input.IsDown(VK_RBUTTON)) flags |= MK_RBUTTON;
  return flags;
}

}  // namespace

void DeliverKey(HWND window, int virtualKey, bool down) {
  if (down) {
    bool repeat = InputState::Instance().Press(virtualKey);
    QueueInput(window, WM_KEYDOWN, WPARAM(virtualKey), repeatCountOne | (repeat ? wasDownBit : 0));
  } else {
    InputState::Instance().Release(virtualKey);
    QueueInput(window, WM_KEYUP, WPARAM(virtualKey), repeatCountOne | wasDownBit | releasingBit);
  }
}

void DeliverChar(HWND window, char16_t unit) {
  QueueInput(window, WM_CHAR, WPARAM(unit), repeatCountOne);
}

void DeliverMouseMove(HWND window, POINT position) {
  QueueInput(window, WM_MOUSEMOVE, ButtonFlags(), PointParameter(position));
}

void DeliverMouseButton(HWND window, MouseButton button, bool down, POINT position) {
  bool left = button == MouseButton::Left;
  int virtualKey = left ? VK_LBUTTON : VK_RBUTTON;
  if (down) {
    InputState::Instance().Press(virtualKey);
  } else {
    InputState::Instance().Release(virtualKey);
  }
  UINT message =
      left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
  QueueInput(window, message, ButtonFlags(), PointParameter(position));
}

void DeliverClose(HWND window) {
  QueueForWindow(MSG{window, WM_CLOSE, 0, 0, 0, POINT{0, 0}}, QueueKind::Posted);
}

}  // namespace platform
