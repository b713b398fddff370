// user32 message loop and timers (see WinUser.h).
#include <algorithm>

#include "platform/posix/CallFailures.h"
#include "platform/posix/Desktop.h"
#include "platform/posix/MessageQueue.h"
#include "platform/posix/WinBase.h"
#include "platform/posix/WindowSystem.h"
#include "platform/posix/WindowTable.h"

namespace platform {
namespace {

constexpr std::int64_t minimumTimerPeriod = 10;  // USER_TIMER_MINIMUM
constexpr std::int64_t maximumTimerPeriod = 0x7FFFFFFF;

// The queue that holds a window's timers, if the calling thread owns the window.
std::shared_ptr<MessageQueue> OwnTimerQueue(HWND handle) {
  std::optional<Window> window = FindOwnOrFail(handle);
  return window ? window->queue : nullptr;
}

void WaitForMessage(MSG& message) {
  WindowSystem& system = MarrowickWindowSystem();
  std::shared_ptr<MessageQueue> queue = MessageQueue::ForThisThread();
  for (;;) {
    system.PumpEvents();
    if (queue->Take(message, system.Now())) break;
    system.Wait(*queue, queue->NextTimerDue());
  }
  message.time = DWORD(system.Now());
  message.pt = system.CursorPosition();
}

}  // namespace
}  // namespace platform

BOOL GetMessageW(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
  if (platform::TakeArrangedFailure("GetMessageW")) return -1;
  if (message == nullptr || window != nullptr || filterMin != 0 || filterMax != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  platform::WaitForMessage(*message);
  return message->message == WM_QUIT ? 0 : 1;
}

BOOL TranslateMessage(const MSG* /*message*/) { return FALSE; }

LRESULT DispatchMessageW(const MSG* message) {
  if (message == nullptr || message->hwnd == nullptr) return 0;
  std::optional<platform::Window> window = platform::FindOrFail(message->hwnd);
  if (!window) return 0;
  return window->procedure(message->hwnd, message->message, message->wParam, message->lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (platform::TakeArrangedFailure("PostMessageW")) return FALSE;
  MSG posted{window, message, wParam, lParam, 0, POINT{0, 0}};
  if (window != nullptr) return platform::QueueForWindow(posted, platform::QueueKind::Posted);
  std::shared_ptr<platform::MessageQueue> queue = platform::MessageQueue::ForThisThread();
  queue->Post(posted);
  MarrowickWindowSystem().Wake(*queue);
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  std::shared_ptr<platform::MessageQueue> queue = platform::MessageQueue::ForThisThread();
  queue->PostQuit(exitCode);
  MarrowickWindowSystem().Wake(*queue);
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC timerFunction) {
  if (platform::TakeArrangedFailure("SetTimer")) return 0;
  if (timerFunction != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::shared_ptr<platform::MessageQueue> queue = platform::OwnTimerQueue(window);
  if (queue == nullptr) return 0;
  std::int64_t period = std::clamp<std::int64_t>(milliseconds, platform::minimumTimerPeriod,
                                                 platform::maximumTimerPeriod);
  queue->SetTimer(window, id, period, MarrowickWindowSystem().Now());
  return id != 0 ? id : TRUE;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  if (platform::TakeArrangedFailure("KillTimer")) return FALSE;
  std::shared_ptr<platform::MessageQueue> queue = platform::OwnTimerQueue(window);
  if (queue == nullptr) return FALSE;
  if (!queue->KillTimer(window, id)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}
