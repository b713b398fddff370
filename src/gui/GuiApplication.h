// The windowing framework's bookkeeping: a window class per window, the
// handler of each class, the live windows and the started threads.
#pragma once

#include "platform/Windows.h"
#include "tlib/Array.h"
#include "tlib/Map.h"
#include "tlib/String.h"

namespace CorvelGUI {

class CWindow;
class IMessageHandler;
class IThread;

class CGuiApplication {
 public:
  // Throws "InitCommonControlsEx() failed".
  explicit CGuiApplication(HINSTANCE instance);
  CGuiApplication(const CGuiApplication&) = delete;
  CGuiApplication& operator=(const CGuiApplication&) = delete;
  // Closes the thread handles without waiting. A handle that will not close
  // throws "CloseHandle() failed" out of the destructor, like every other
  // failure of the framework.
  ~CGuiApplication() noexcept(false);

  // A hidden window of the given outer size, centred on the screen, whose
  // messages go to `handler`. The framework deletes it when it is destroyed.
  CWindow* MakeWindow(IMessageHandler* handler, tlib::TString title, int width, int height);
  // Runs thread->Run() on a new thread ("CreateThread() failed").
  void StartThread(IThread* thread);
  // Blocks until every started thread has returned from Run, so that what the
  // threads use can be torn down safely ("WaitForSingleObject() failed").
  void WaitForThreads();

  // Called only by the window procedure.
  bool RouteMessage(CWindow* window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  HINSTANCE instance_;
  int classCounter_;
  tlib::TMap<IMessageHandler*> handlers_;
  tlib::TArray<CWindow*> windows_;
  tlib::TArray<HANDLE> threads_;
};

}  // namespace CorvelGUI
