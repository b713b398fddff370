// One top-level window, created with a window class of its own.
#pragma once

#include "platform/Windows.h"
#include "tlib/String.h"

namespace CorvelGUI {

class CGuiApplication;

class CWindow {
 public:
  // Creates the window (hidden); made only by CGuiApplication::MakeWindow.
  // Throws "CreateWindowEx() failed: <code> (0x<code>)".
  CWindow(CGuiApplication* application, tlib::TString className, tlib::TString title, int width,
          int height);
  CWindow(const CWindow&) = delete;
  CWindow& operator=(const CWindow&) = delete;

  HWND GetHandle() const { return handle_; }
  CGuiApplication* Application() const { return application_; }
  const tlib::TString& ClassName() const { return className_; }
  void Show(bool visible);

 private:
  CGuiApplication* application_;
  tlib::TString className_;
  HWND handle_;
};

}  // namespace CorvelGUI
