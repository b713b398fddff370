#include "platform/posix/Desktop.h"

#include "platform/posix/InputState.h"
#include "platform/posix/MessageQueue.h"
#include "platform/posix/WinBase.h"
#include "platform/posix/WindowClassTable.h"
#include "platform/posix/WindowSystem.h"
#include "platform/posix/WindowTable.h"

namespace platform {

std::optional<Window> FindOrFail(HWND handle) {
  std::optional<Window> window = WindowTable::Instance().Find(handle);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

std::optional<Window> FindOwnOrFail(HWND handle) {
  std::optional<Window> window = FindOrFail(handle);
  if (window && !window->queue->IsOwnedByThisThread()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return std::nullopt;
  }
  return window;
}

LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::optional<Window> target = WindowTable::Instance().Find(window);
  if (!target) return 0;
  return target->procedure(window, message, wParam, lParam);
}

bool QueueForWindow(const MSG& message, QueueKind kind) {
  std::optional<Window> target = FindOrFail(message.hwnd);
  if (!target) return false;
  if (kind == QueueKind::Posted) {
    target->queue->Post(message);
  } else {
    target->queue->PostInput(message);
  }
  MarrowickWindowSystem().Wake(*target->queue);
  return true;
}

void PlaceClientArea(HWND window, POINT topLeft) {
  WindowTable::Instance().Update(window, [&](Window& moved) {
    RECT client = moved.ClientArea();
    LONG dx = topLeft.x - client.left;
    LONG dy = topLeft.y - client.top;
    moved.outer = RECT{moved.outer.left + dx, moved.outer.top + dy, moved.outer.right + dx,
                       moved.outer.bottom + dy};
  });
}

void ResetDesktop() {
  WindowTable::Instance().Clear();
  WindowClassTable::Instance().Clear();
  MessageQueue::ClearAll();
  InputState::Instance().Clear();
}

}  // namespace platform
