#include "gui/WindowProc.h"

#include "gui/GuiApplication.h"
#include "gui/Window.h"
#include "tlib/Exception.h"

namespace CorvelGUI {
namespace {

// WM_NCCREATE carries the window object as its creation parameter; it is kept
// in the window's pointer-sized user data for every later message.
CWindow* AttachWindowObject(HWND window, LPARAM lParam) {
  const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
  if (creation == nullptr) return nullptr;
  auto* object = static_cast<CWindow*>(creation->lpCreateParams);
  SetLastError(0);
  if (SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object)) == 0 &&
      GetLastError() != 0) {
    throw tlib::TException(u"SetWindowLongPtr() failed");
  }
  return object;
}

// Null before WM_NCCREATE and after the object was detached at WM_DESTROY.
CWindow* AttachedWindowObject(HWND window) {
  SetLastError(0);
  auto* object = reinterpret_cast<CWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (object == nullptr && GetLastError() != 0) {
    throw tlib::TException(u"GetWindowLongPtr() failed");
  }
  return object;
}

}  // namespace

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWindow* object =
      message == WM_NCCREATE ? AttachWindowObject(window, lParam) : AttachedWindowObject(window);
  if (object == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  if (!object->Application()->RouteMessage(object, message, wParam, lParam, result)) {
    result = DefWindowProcW(window, message, wParam, lParam);
  }
  return result;
}

}  // namespace CorvelGUI
