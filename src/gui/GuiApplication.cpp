#include "gui/GuiApplication.h"

#include "gui/MessageHandler.h"
#include "gui/Thread.h"
#include "gui/Window.h"
#include "gui/WindowProc.h"
#include "tlib/Exception.h"

namespace CorvelGUI {
namespace {

// The thread's body is the IThread's Run. The object is not touched after Run
// returns: its owner may delete it as soon as Run has done its work.
DWORD WINAPI ThreadStart(LPVOID parameter) {
  static_cast<IThread*>(parameter)->Run();
  return 0;
}

// Every window gets a class of its own: no double-click messages, the one
// window procedure, a black background and no menu.
WNDCLASSEXW WindowClass(HINSTANCE instance, const tlib::TString& name) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszMenuName = WideText(u"");
  windowClass.lpszClassName = WideText(name.CStr());
  return windowClass;
}

}  // namespace

CGuiApplication::CGuiApplication(HINSTANCE instance) : instance_(instance), classCounter_(0) {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), 0};
  if (!InitCommonControlsEx(&controls)) throw tlib::TException(u"InitCommonControlsEx() failed");
}

CGuiApplication::~CGuiApplication() noexcept(false) {
  for (int i = 0; i < threads_.Count(); ++i) {
    if (!CloseHandle(threads_.At(i))) throw tlib::TException(u"CloseHandle() failed");
  }
}

CWindow* CGuiApplication::MakeWindow(IMessageHandler* handler, tlib::TString title, int width,
                                     int height) {
  tlib::TString name = tlib::TString::Format(u"%d", classCounter_);
  ++classCounter_;  // a failed registration uses the number up too
  WNDCLASSEXW windowClass = WindowClass(instance_, name);
  if (RegisterClassExW(&windowClass) == 0) throw tlib::TException(u"RegisterClassEx() failed");
  handlers_.Add(name, handler);
  auto* window = new CWindow(this, name, title, width, height);
  windows_.Append(window);
  return window;
}

void CGuiApplication::StartThread(IThread* thread) {
  DWORD threadId = 0;
  HANDLE handle = CreateThread(nullptr, 0, ThreadStart, thread, 0, &threadId);
  if (handle == nullptr) throw tlib::TException(u"CreateThread() failed");
  threads_.Append(handle);
}

void CGuiApplication::WaitForThreads() {
  for (int i = 0; i < threads_.Count(); ++i) {
    if (WaitForSingleObject(threads_.At(i), INFINITE) == WAIT_FAILED) {
      throw tlib::TException(u"WaitForSingleObject() failed");
    }
  }
}

bool CGuiApplication::RouteMessage(CWindow* window, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) {
  IMessageHandler* handler = handlers_.Get(window->ClassName());
  bool handled = handler->HandleMessage(message, wParam, lParam, result);
  if (message != WM_DESTROY) return handled;
  // The window's last message: the object leaves the window and the framework.
  result = 0;
  SetLastError(0);
  if (SetWindowLongPtrW(window->GetHandle(), GWLP_USERDATA, 0) == 0 && GetLastError() != 0) {
    throw tlib::TException(u"SetWindowLongPtr() failed");
  }
  windows_.RemoveValue(window);
  delete window;
  return true;
}

}  // namespace CorvelGUI
