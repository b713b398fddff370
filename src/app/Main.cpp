// The program's entry: one application object, run until its window is gone.
// The command line and the show state are not used.
#include "app/Application.h"
#include "app/ErrorReport.h"
#include "platform/Windows.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPWSTR /*commandLine*/,
                    int /*showCommand*/) {
  ReportEscapingErrors();
  auto* application = new CApplication(instance);
  application->Run();
  delete application;
  return 0;
}
