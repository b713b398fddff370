// Test-only controls of the headless backend. Never included by the program's
// code: tests use it to set up the screen, type and click, drive the clock and
// run a whole application on their own thread.
//
// Input goes to the input window: the most recently created window that still
// exists. Injecting input while there is none does nothing.
#pragma once

#include <functional>

#include "platform/Windows.h"
#include "platform/posix/InputEvents.h"

namespace platform_test {

// Forgets every window and window class (without calling any window
// procedure), every timer, the messages queued for every thread, the key and
// button states, the idle handler, the record of sounds (HeadlessSound.h) and
// the presented frames (HeadlessFrames.h);
// the clock returns to 0, the screen to 1920 x 1080, the cursor to (0, 0) with
// a display count of 0, and the call failures arranged with FailCall are
// cleared. Call it between tests, while no
// other thread uses the platform.
void ResetHeadless();

// The size GetSystemMetrics reports for the primary screen.
void SetScreenSize(int width, int height);

// WM_KEYDOWN for a virtual key; pressing a key that is already down is an
// auto-repeat (bit 30 of lParam set). The key counts as down for
// GetAsyncKeyState until it is released.
void InjectKeyDown(int virtualKey);
void InjectKeyUp(int virtualKey);
// WM_CHAR with one UTF-16 unit.
void InjectChar(char16_t character);

using platform::MouseButton;

// WM_MOUSEMOVE at a point of the input window's client area; the polled cursor
// (GetCursorPos) moves there too.
void InjectMouseMove(int clientX, int clientY);
// WM_LBUTTONDOWN and the rest at the cursor's client position. The button
// counts as down for GetAsyncKeyState (VK_LBUTTON, VK_RBUTTON) until released.
void InjectMouseButton(MouseButton button, bool down);
// Moves the polled cursor in screen coordinates without any message, as when
// the mouse moves outside the window.
void SetCursorScreenPosition(int x, int y);
// The window's close button: posts WM_CLOSE to the input window.
void PressCloseButton();

// The window that injected input goes to, or null.
HWND InputWindow();
// Whether ShowCursor's display count lets the system cursor show.
bool IsSystemCursorShown();

// The virtual clock in milliseconds, as MSG::time reports it. It moves only
// when a test advances it or when GetMessageW would otherwise wait for a timer.
DWORD ClockMilliseconds();
void AdvanceClock(DWORD milliseconds);

// Called on the waiting thread whenever GetMessageW finds nothing to return.
// Afterwards, if still nothing is queued, the clock jumps to the next due timer
// of that thread; with no timer, GetMessageW blocks until another thread posts.
// So an application whose Run() blocks in GetMessageW runs on the test's own
// thread at full speed, and the handler plays the user. Null removes it.
void SetIdleHandler(std::function<void()> handler);

}  // namespace platform_test
