// The window system's input as messages: what a backend calls, from any thread,
// for each key, character, mouse move, button and close request. The key and
// button states for GetAsyncKeyState change at once; the messages go to the
// input queue of the window's thread. Events for a window that is gone are
// dropped.
#pragma once

#include "platform/posix/WinUser.h"

namespace platform {

enum class MouseButton { Left, Right };

// WM_KEYDOWN (a repeat when the key is down already) or WM_KEYUP.
void DeliverKey(HWND window, int virtualKey, bool down);
void DeliverChar(HWND window, char16_t unit);
// Positions are in client coordinates.
void DeliverMouseMove(HWND window, POINT position);
void DeliverMouseButton(HWND window, MouseButton button, bool down, POINT position);
// The close button: WM_CLOSE, posted.
void DeliverClose(HWND window);

}  // namespace platform
