// What the user32 stand-ins share among themselves: finding a window the way
// Windows reports a bad one, sending a message to a window procedure, queueing
// one for a window's thread, and starting over.
#pragma once

#include <optional>

#include "platform/posix/WinBase.h"
#include "platform/posix/WinUser.h"
#include "platform/posix/WindowTable.h"

namespace platform {

// A copy of the live window; null with ERROR_INVALID_WINDOW_HANDLE when gone.
std::optional<Window> FindOrFail(HWND handle);

// A window that changes only on its own thread: null, with the last error
// set, when it is gone or belongs to another thread (ERROR_ACCESS_DENIED).
std::optional<Window> FindOwnOrFail(HWND handle);

// A window to answer a query about into `answer`; null, with the last error
// set, when there is nowhere to put the answer or the window is gone.
template <typename Answer>
std::optional<Window> FindForAnswer(HWND handle, Answer* answer) {
  if (answer == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  return FindOrFail(handle);
}

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
