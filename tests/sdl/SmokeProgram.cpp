// A whole program on the SDL backend, started the way the game is: the
// process main() of platform_sdl_entry calls this wWinMain. It opens a window
// through the framework, lets a 20 ms timer tick five times, then closes the
// window and quits. The exit code says whether everything arrived as expected
// (0) or what went wrong.
#include "gui/GuiApplication.h"
#include "gui/MessageHandler.h"
#include "gui/Window.h"
#include "platform/Windows.h"

namespace {

constexpr int ticksBeforeClosing = 5;

class SmokeHandler final : public CorvelGUI::IMessageHandler {
 public:
  bool HandleMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) override {
    result = 0;
    if (message == WM_TIMER && ++ticks == ticksBeforeClosing) PostMessageW(window, WM_CLOSE, 0, 0);
    if (message == WM_DESTROY) PostQuitMessage(ticks == ticksBeforeClosing ? 0 : 1);
    return message == WM_TIMER || message == WM_DESTROY;
  }

  HWND window = nullptr;
  int ticks = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPWSTR commandLine,
                    int /*showCommand*/) {
  if (instance == nullptr || commandLine == nullptr || commandLine[0] != u'\0') return 3;
  CorvelGUI::CGuiApplication application(instance);
  SmokeHandler handler;
  CorvelGUI::CWindow* window = application.MakeWindow(&handler, u"Smoke", 320, 240);
  handler.window = window->GetHandle();
  window->Show(true);
  if (SetTimer(handler.window, 1, 20, nullptr) == 0) return 4;
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) DispatchMessageW(&message);
  return got == 0 ? int(message.wParam) : 2;
}
