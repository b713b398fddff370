// user32 window classes and windows (see WinUser.h).
#include <algorithm>
#include <string>

#include "platform/posix/CallFailures.h"
#include "platform/posix/Desktop.h"
#include "platform/posix/WinBase.h"
#include "platform/posix/WindowClassTable.h"
#include "platform/posix/WindowFrame.h"
#include "platform/posix/WindowSystem.h"
#include "platform/posix/WindowTable.h"

namespace platform {
namespace {

// The last step of every window's end: its timers, its native side and its
// handle go. Runs also when a window procedure throws during creation or
// destruction, so that no half-made window stays behind; a second removal of
// the same window does nothing.
class WindowRemoval {
 public:
  explicit WindowRemoval(HWND window) : window_(window) {}
  WindowRemoval(const WindowRemoval&) = delete;
  WindowRemoval& operator=(const WindowRemoval&) = delete;
  ~WindowRemoval() {
    if (window_ == nullptr) return;
    if (std::optional<Window> window = WindowTable::Instance().Find(window_)) {
      window->queue->KillTimersOf(window_);
    }
    MarrowickWindowSystem().DestroyNativeWindow(window_);
    WindowTable::Instance().Remove(window_);
  }
  void Cancel() { window_ = nullptr; }

 private:
  HWND window_;
};

// A new window of the class in the table, owned by the calling thread; null
// (with the last error set) for an unknown class or a child window.
HWND AddWindow(LPCWSTR className, DWORD style, RECT outer) {
  std::optional<WNDPROC> procedure;
  if (className != nullptr) procedure = WindowClassTable::Instance().Find(className);
  if (!procedure) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  if (style & WS_CHILD) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  Window window;
  window.className = className;
  window.procedure = *procedure;
  window.style = style;
  window.outer = outer;
  window.queue = MessageQueue::ForThisThread();
  return WindowTable::Instance().Add(std::move(window));
}

bool MakeNativeWindow(HWND handle) {
  std::optional<Window> window = WindowTable::Instance().Find(handle);
  if (window && MarrowickWindowSystem().CreateNativeWindow(handle, window->ClientArea())) {
    return true;
  }
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return false;
}

// WM_NCCREATE, then WM_CREATE. False when the procedure refuses one of them,
// after what Windows does then: WM_NCDESTROY for a refused WM_NCCREATE, the
// whole destruction for a refused WM_CREATE.
bool SendCreation(HWND handle, CREATESTRUCTW& creation) {
  auto creationParameter = reinterpret_cast<LPARAM>(&creation);
  if (!SendToWindow(handle, WM_NCCREATE, 0, creationParameter)) {
    SendToWindow(handle, WM_NCDESTROY, 0, 0);
    return false;
  }
  if (SendToWindow(handle, WM_CREATE, 0, creationParameter) == -1) {
    DestroyWindow(handle);
    return false;
  }
  return true;
}

void SetText(HWND handle, LPCWSTR text) {
  WindowTable::Instance().Update(handle, [&](Window& window) { window.text = text; });
  MarrowickWindowSystem().SetNativeTitle(handle, text);
}

// Copies `text` into a caller's buffer of `capacity` units, cut short if need
// be and always terminated; returns the units copied without the terminator.
int CopyText(const std::u16string& text, LPWSTR buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  std::size_t count = std::min(text.size(), std::size_t(capacity - 1));
  std::copy_n(text.begin(), count, buffer);
  buffer[count] = u'\0';
  return int(count);
}

bool SetVisible(HWND handle, bool visible) {
  bool wasVisible = false;
  WindowTable::Instance().Update(handle, [&](Window& window) {
    wasVisible = window.visible;
    window.visible = visible;
  });
  if (wasVisible != visible) MarrowickWindowSystem().ShowNativeWindow(handle, visible);
  return wasVisible;
}

}  // namespace
}  // namespace platform

using platform::FindOrFail;
using platform::FindOwnOrFail;
using platform::Window;
using platform::WindowTable;

ATOM RegisterClassExW(const WNDCLASSEXW* windowClass) {
  if (platform::TakeArrangedFailure("RegisterClassExW")) return 0;
  if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXW) ||
      windowClass->lpfnWndProc == nullptr || windowClass->lpszClassName == nullptr ||
      windowClass->lpszClassName[0] == u'\0') {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  ATOM atom = platform::WindowClassTable::Instance().Register(windowClass->lpszClassName,
                                                              windowClass->lpfnWndProc);
  if (atom == 0) SetLastError(ERROR_CLASS_ALREADY_EXISTS);
  return atom;
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID parameter) {
  if (platform::TakeArrangedFailure("CreateWindowExW")) return nullptr;
  HWND handle = platform::AddWindow(className, style, RECT{x, y, x + width, y + height});
  if (handle == nullptr) return nullptr;
  platform::WindowRemoval removal(handle);
  if (!platform::MakeNativeWindow(handle)) return nullptr;
  CREATESTRUCTW creation{parameter, instance, menu,        parent,     height,    width,
                         y,         x,        LONG(style), windowName, className, exStyle};
  if (!platform::SendCreation(handle, creation)) return nullptr;
  removal.Cancel();
  if (style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
  return handle;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      if (creation != nullptr && creation->lpszName != nullptr) {
        platform::SetText(window, creation->lpszName);
      }
      return TRUE;
    }
    case WM_CLOSE: DestroyWindow(window); return 0;
    default: return 0;
  }
}

BOOL DestroyWindow(HWND handle) {
  if (platform::TakeArrangedFailure("DestroyWindow")) return FALSE;
  std::optional<Window> window = FindOwnOrFail(handle);
  if (!window) return FALSE;
  if (window->destroying) return TRUE;
  WindowTable::Instance().Update(handle, [](Window& live) { live.destroying = true; });
  platform::WindowRemoval removal(handle);
  platform::SetVisible(handle, false);
  platform::SendToWindow(handle, WM_DESTROY, 0, 0);
  platform::SendToWindow(handle, WM_NCDESTROY, 0, 0);
  return TRUE;
}

BOOL ShowWindow(HWND handle, int command) {
  if (!FindOwnOrFail(handle)) return FALSE;
  return platform::SetVisible(handle, command != SW_HIDE);
}

BOOL IsWindow(HWND handle) { return WindowTable::Instance().Find(handle).has_value(); }

BOOL IsWindowVisible(HWND handle) {
  std::optional<Window> window = WindowTable::Instance().Find(handle);
  return window && window->visible;
}

int GetWindowTextW(HWND handle, LPWSTR text, int maxCount) {
  std::optional<Window> window = FindOrFail(handle);
  if (!window) return 0;
  return platform::CopyText(window->text, text, maxCount);
}

int GetClassNameW(HWND handle, LPWSTR className, int maxCount) {
  std::optional<Window> window = FindOrFail(handle);
  if (!window) return 0;
  return platform::CopyText(window->className, className, maxCount);
}

BOOL GetWindowRect(HWND handle, LPRECT rect) {
  std::optional<Window> window = platform::FindForAnswer(handle, rect);
  if (!window) return FALSE;
  *rect = window->outer;
  return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect) {
  std::optional<Window> window = platform::FindForAnswer(handle, rect);
  if (!window) return FALSE;
  RECT client = window->ClientArea();
  *rect =
      RECT{0, 0, std::max(0, client.right - client.left), std::max(0, client.bottom - client.top)};
  return TRUE;
}

LONG_PTR SetWindowLongPtrW(HWND handle, int index, LONG_PTR newValue) {
  if (platform::TakeArrangedFailure("SetWindowLongPtrW")) return 0;
  if (index != GWLP_USERDATA) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  LONG_PTR previous = 0;
  bool found = WindowTable::Instance().Update(handle, [&](Window& window) {
    previous = window.userData;
    window.userData = newValue;
  });
  if (!found) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return previous;
}

LONG_PTR GetWindowLongPtrW(HWND handle, int index) {
  if (platform::TakeArrangedFailure("GetWindowLongPtrW")) return 0;
  if (index != GWLP_USERDATA) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  std::optional<Window> window = FindOrFail(handle);
  return window ? window->userData : 0;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
  if (platform::TakeArrangedFailure("AdjustWindowRect")) return FALSE;
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  platform::WindowFrame frame = platform::FrameFor(style, menu != FALSE);
  rect->left -= frame.left;
  rect->top -= frame.top;
  rect->right += frame.right;
  rect->bottom += frame.bottom;
  return TRUE;
}

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (platform::TakeArrangedFailure("SetRect")) return FALSE;
  if (rect == nullptr) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

int GetSystemMetrics(int index) {
  platform::ScreenSize screen = MarrowickWindowSystem().PrimaryScreenSize();
  switch (index) {
    case SM_CXSCREEN: return screen.width;
    case SM_CYSCREEN: return screen.height;
    default: return 0;
  }
}
