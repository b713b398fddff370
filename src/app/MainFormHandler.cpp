#include "app/MainFormHandler.h"

#include "app/Application.h"

namespace {

constexpr UINT lastApplicationMessage = 0x7FFF;

// Client coordinates: x in the low 16 bits, y in the next 16, both unsigned.
int LowWord(LPARAM lParam) { return static_cast<int>(lParam & 0xFFFF); }
int HighWord(LPARAM lParam) { return static_cast<int>((lParam >> 16) & 0xFFFF); }

}  // namespace

bool CMainFormHandler::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  int key = static_cast<int>(wParam);
  int x = LowWord(lParam);
  int y = HighWord(lParam);
  switch (message) {
    case WM_DESTROY: application_->OnDestroy(); break;
    case WM_KEYDOWN: application_->OnKeyDown(key); break;
    case WM_KEYUP: application_->OnKeyUp(key); break;
    case WM_CHAR: application_->OnChar(key); break;
    case WM_TIMER: application_->OnTimer(); break;  // whatever the timer's id
    case WM_MOUSEMOVE: application_->OnMouseMove(x, y); break;
    case WM_LBUTTONDOWN: application_->OnMouseButton(false, false, x, y); break;
    case WM_LBUTTONUP: application_->OnMouseButton(false, true, x, y); break;
    case WM_RBUTTONDOWN: application_->OnMouseButton(true, false, x, y); break;
    case WM_RBUTTONUP: application_->OnMouseButton(true, true, x, y); break;
    default:
      // Application messages are passed on, and the default procedure still
      // sees them; everything else (WM_CLOSE included) is left to it.
      if (message >= WM_USER && message <= lastApplicationMessage) {
        application_->OnUserMessage(message - WM_USER, wParam, lParam);
      }
      return false;
  }
  result = 0;
  return true;
}
