// The program's entry: one application object, run until its window is gone.
// The command line and the show state are not used. An error that ends the
// program is reported in one line and ends it with status 1 (ErrorReport.h).
#include "app/Application.h"
#include "app/ErrorReport.h"
#include "platform/Windows.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPWSTR /*commandLine*/,
                    int /*showCommand*/) {
  RunOrExitWithReport([instance] {
    auto* application = new CApplication(instance);
    application->Run();
    delete application;
  });
  return 0;
}
