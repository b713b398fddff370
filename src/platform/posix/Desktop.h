// What the user32 stand-ins share among themselves: sending a message to a
// window procedure, queueing one for a window's thread, and starting over.
#pragma once

#include "platform/posix/WinUser.h"

namespace platform {

// Calls the window's procedure on the calling thread; 0 for a window that is gone.
LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

enum class QueueKind { Posted, Input };

// Queues the message for the thread of message.hwnd and wakes that thread;
// false (with ERROR_INVALID_WINDOW_HANDLE) when the window is gone.
bool QueueForWindow(const MSG& message, QueueKind kind);

// The window system moved a window: its client area's top-left corner is now
// at `topLeft` on the screen.
void PlaceClientArea(HWND window, POINT topLeft);

// Forgets every window, window class, timer, queued message and input state,
// without calling any window procedure.
void ResetDesktop();

}  // namespace platform
