// user32 cursor and keyboard queries (see WinUser.h).
#include "platform/posix/CallFailures.h"
#include "platform/posix/Desktop.h"
#include "platform/posix/InputState.h"
#include "platform/posix/WinBase.h"
#include "platform/posix/WindowSystem.h"
#include "platform/posix/WindowTable.h"

BOOL GetCursorPos(LPPOINT point) {
  if (platform::TakeArrangedFailure("GetCursorPos")) return FALSE;
  if (point == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *point = MarrowickWindowSystem().CursorPosition();
  return TRUE;
}

BOOL ScreenToClient(HWND handle, LPPOINT point) {
  std::optional<platform::Window> window = platform::FindForAnswer(handle, point);
  if (!window) return FALSE;
  RECT client = window->ClientArea();
  point->x -= client.left;
  point->y -= client.top;
  return TRUE;
}

SHORT GetAsyncKeyState(int virtualKey) { return platform::InputState::Instance().Poll(virtualKey); }

int ShowCursor(BOOL show) {
  int count = platform::InputState::Instance().ChangeCursorCount(show != FALSE);
  MarrowickWindowSystem().ShowSystemCursor(count >= 0);
  return count;
}
