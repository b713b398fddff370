#include "platform/testing/HeadlessControls.h"

#include "platform/headless/HeadlessSystem.h"
#include "platform/posix/Desktop.h"
#include "platform/posix/InputEvents.h"
#include "platform/posix/InputState.h"
#include "platform/posix/WindowTable.h"
#include "platform/testing/HeadlessFrames.h"
#include "platform/testing/HeadlessSound.h"
#include "platform/testing/TestControls.h"

namespace platform_test {
namespace {

using platform::headless::HeadlessSystem;

// The input window's client area on the screen; false when there is no window.
bool InputClientArea(HWND& window, RECT& clientArea) {
  window = platform::WindowTable::Instance().Newest();
  std::optional<platform::Window> found = platform::WindowTable::Instance().Find(window);
  if (!found) return false;
  clientArea = found->ClientArea();
  return true;
}

}  // namespace

void ResetHeadless() {
  platform::ResetDesktop();
  HeadlessSystem::Instance().Reset();
  ClearSoundRecord();
  ForgetPresentedFrames();
  ClearCallFailures();
}

void SetScreenSize(int width, int height) {
  HeadlessSystem::Instance().SetScreenSize(platform::ScreenSize{width, height});
}

void InjectKeyDown(int virtualKey) {
  if (HWND window = InputWindow()) platform::DeliverKey(window, virtualKey, true);
}

void InjectKeyUp(int virtualKey) {
  if (HWND window = InputWindow()) platform::DeliverKey(window, virtualKey, false);
}

void InjectChar(char16_t character) {
  if (HWND window = InputWindow()) platform::DeliverChar(window, character);
}

void InjectMouseMove(int clientX, int clientY) {
  HWND window;
  RECT clientArea;
  if (!InputClientArea(window, clientArea)) return;
  SetCursorScreenPosition(clientArea.left + clientX, clientArea.top + clientY);
  platform::DeliverMouseMove(window, POINT{clientX, clientY});
}

void InjectMouseButton(MouseButton button, bool down) {
  HWND window;
  RECT clientArea;
  if (!InputClientArea(window, clientArea)) return;
  POINT cursor = HeadlessSystem::Instance().CursorPosition();
  POINT position{cursor.x - clientArea.left, cursor.y - clientArea.top};
  platform::DeliverMouseButton(window, button, down, position);
}

void SetCursorScreenPosition(int x, int y) {
  HeadlessSystem::Instance().SetCursorPosition(POINT{x, y});
}

void PressCloseButton() {
  if (HWND window = InputWindow()) platform::DeliverClose(window);
}

HWND InputWindow() { return platform::WindowTable::Instance().Newest(); }

bool IsSystemCursorShown() { return platform::InputState::Instance().CursorCount() >= 0; }

DWORD ClockMilliseconds() { return DWORD(HeadlessSystem::Instance().Now()); }

void AdvanceClock(DWORD milliseconds) { HeadlessSystem::Instance().AdvanceClock(milliseconds); }

void SetIdleHandler(std::function<void()> handler) {
  HeadlessSystem::Instance().SetIdleHandler(std::move(handler));
}

}  // namespace platform_test
