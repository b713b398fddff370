#include "gui/Window.h"

#include "tlib/Exception.h"

namespace CorvelGUI {
namespace {

// A captioned window with system menu, minimise and maximise buttons and no
// sizing border: WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX.
constexpr DWORD windowStyle = 0x80CB0000;

// Where a window of the given outer size is centred on the primary screen;
// larger than the screen gives a negative position (the division rounds
// toward zero).
POINT CentredPosition(int width, int height) {
  return POINT{(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

}  // namespace

CWindow::CWindow(CGuiApplication* application, tlib::TString className, tlib::TString title,
                 int width, int height)
    : application_(application), className_(className), handle_(nullptr) {
  POINT position = CentredPosition(width, height);
  handle_ = CreateWindowExW(WS_EX_APPWINDOW, WideText(className_.CStr()), WideText(title.CStr()),
                            windowStyle, position.x, position.y, width, height, nullptr, nullptr,
                            nullptr, this);
  if (handle_ == nullptr) {
    DWORD code = GetLastError();
    tlib::TString message =
        tlib::TString::Format(u"CreateWindowEx() failed: %d (0x%08x)", code, code);
    throw tlib::TException(message.CStr());
  }
}

void CWindow::Show(bool visible) { ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE); }

}  // namespace CorvelGUI
