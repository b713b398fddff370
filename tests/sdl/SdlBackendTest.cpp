// The SDL2 backend with a real SDL window, on SDL's offscreen video driver so
// that it runs without a display: windows, the message loop with its timer,
// keyboard, mouse, the close button and the cursor.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "gui/GuiApplication.h"
#include "gui/MessageHandler.h"
#include "gui/Window.h"
#include "platform/Windows.h"
#include "platform/sdl/SdlTestControls.h"
#include "platform/sdl/SdlWindows.h"
#include "tests/platform/Seen.h"

using CorvelGUI::CGuiApplication;
using CorvelGUI::CWindow;
namespace sdl = platform_test::sdl;

namespace {

class RecordingHandler final : public CorvelGUI::IMessageHandler {
 public:
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message >= WM_KEYDOWN || message == WM_DESTROY)
      received.push_back(Seen{message, wParam, lParam});
    if (message != WM_TIMER) return false;
    result = 0;
    return true;
  }

  std::vector<Seen> received;
};

class SdlBackend : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // no display needed
    application_ = new CGuiApplication(nullptr);
  }
  static void TearDownTestSuite() {
    delete application_;
    application_ = nullptr;
  }

  void SetUp() override {
    RECT outer{0, 0, 1024, 768};
    ASSERT_TRUE(AdjustWindowRect(&outer, 0x80CB0000, FALSE));
    window_ = application_->MakeWindow(&handler_, u"Marrowick \u00e9", outer.right - outer.left,
                                       outer.bottom - outer.top);
    handle_ = window_->GetHandle();
    window_->Show(true);
  }
  void TearDown() override {
    if (IsWindow(handle_)) DestroyWindow(handle_);
  }

  // Runs the message loop until the handler has seen `count` messages.
  std::vector<Seen> Receive(std::size_t count) {
    MSG message;
    while (handler_.received.size() < count && GetMessageW(&message, nullptr, 0, 0) > 0) {
      DispatchMessageW(&message);
    }
    return handler_.received;
  }

  static CGuiApplication* application_;
  RecordingHandler handler_;
  CWindow* window_ = nullptr;
  HWND handle_ = nullptr;
};

CGuiApplication* SdlBackend::application_ = nullptr;

TEST_F(SdlBackend, TheWindowIsARealFixedSizeSdlWindowWithTheWindowText) {
  ASSERT_NE(platform::sdl::WindowFor(handle_), nullptr);
  EXPECT_EQ(sdl::WindowTitle(handle_), "Marrowick \xC3\xA9");
  EXPECT_FALSE(sdl::IsResizable(handle_));
  EXPECT_TRUE(sdl::IsShown(handle_));
  EXPECT_EQ(sdl::ClientWidth(handle_), 1024);
  EXPECT_EQ(sdl::ClientHeight(handle_), 768);
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
  EXPECT_GT(GetSystemMetrics(SM_CYSCREEN), 0);
  window_->Show(false);
  EXPECT_FALSE(sdl::IsShown(handle_));

  EXPECT_EQ(ShowCursor(FALSE), -1);
  EXPECT_FALSE(sdl::IsSystemCursorShown());
  EXPECT_EQ(ShowCursor(TRUE), 0);
  EXPECT_TRUE(sdl::IsSystemCursorShown());
}

TEST_F(SdlBackend, TheTimerTicksAtItsPeriod) {
  ASSERT_NE(SetTimer(handle_, 1, 20, nullptr), 0u);
  MSG message;
  std::vector<DWORD> times;
  while (times.size() < 3 && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER) times.push_back(message.time);
  }
  ASSERT_EQ(times.size(), 3u);
  EXPECT_GE(times[1] - times[0], 20u);
  EXPECT_GE(times[2] - times[1], 20u);
  EXPECT_TRUE(KillTimer(handle_, 1));
}

TEST_F(SdlBackend, KeysAndTheMouseBecomeWindowsMessages) {
  sdl::PushKey(handle_, "Return", true);
  sdl::PushKey(handle_, "A", true);
  sdl::PushKey(handle_, "A", true, true);
  sdl::PushText(handle_, "a\xC3\xA9");
  sdl::PushKey(handle_, "A", false);
  sdl::PushKey(handle_, "F13", true);  // no virtual key: no message
  sdl::PushKey(handle_, "Escape", false);
  sdl::PushMouseMove(handle_, 100, 700);
  sdl::PushMouseButton(handle_, platform::MouseButton::Left, true, 100, 700);
  sdl::PushMouseButton(handle_, platform::MouseButton::Left, false, 101, 701);
  sdl::PushMouseButton(handle_, platform::MouseButton::Right, true, 5, 6);
  sdl::PushMouseButton(handle_, platform::MouseButton::Right, false, 5, 6);

  std::vector<Seen> expected = {
      {WM_KEYDOWN, VK_RETURN, 0x1},
      {WM_CHAR, 13, 0x1},
      {WM_KEYDOWN, 'A', 0x1},
      {WM_KEYDOWN, 'A', 0x40000001},
      {WM_CHAR, 'a', 0x1},
      {WM_CHAR, 0xE9, 0x1},
      {WM_KEYUP, 'A', 0xC0000001},
      {WM_KEYUP, VK_ESCAPE, 0xC0000001},
      {WM_MOUSEMOVE, 0, MAKELPARAM(100, 700)},
      {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 700)},
      {WM_LBUTTONUP, 0, MAKELPARAM(101, 701)},
      {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6)},
      {WM_RBUTTONUP, 0, MAKELPARAM(5, 6)},
  };
  EXPECT_EQ(Receive(expected.size()), expected);
  EXPECT_EQ(GetAsyncKeyState(VK_RETURN), SHORT(0x8001));
  EXPECT_EQ(GetAsyncKeyState('A'), 1);
  sdl::PushKey(handle_, "Return", false);
  Receive(expected.size() + 1);
}

TEST_F(SdlBackend, TheCloseButtonClosesTheWindow) {
  sdl::PushCloseButton(handle_);
  EXPECT_EQ(Receive(1), (std::vector<Seen>{{WM_DESTROY}}));
  EXPECT_FALSE(IsWindow(handle_));
  EXPECT_EQ(platform::sdl::WindowFor(handle_), nullptr);
}

TEST_F(SdlBackend, PostsFromAnotherThreadWakeTheLoop) {
  constexpr int count = 50;
  std::thread poster([this] {
    for (int i = 0; i < count; ++i) PostMessageW(handle_, WM_USER, WPARAM(i), 0);
  });
  std::vector<Seen> received = Receive(count);
  poster.join();
  std::vector<Seen> expected;
  for (int i = 0; i < count; ++i) expected.push_back(Seen{WM_USER, WPARAM(i)});
  EXPECT_EQ(received, expected);
}

// Without any display SDL still offers its offscreen driver, where a window is
// never seen: making one fails instead, with a last error, as CreateWindowEx
// does on a Windows without a desktop. A fresh process, so that SDL's video
// starts there for the first time.
TEST(SdlWithoutADisplayDeathTest, CreatingAWindowFailsWithALastError) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto createWindow = [] {
    for (const char* variable : {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY"}) {
      unsetenv(variable);
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = u"NoDisplay";
    RegisterClassExW(&windowClass);
    SetLastError(0);
    HWND window = CreateWindowExW(0, u"NoDisplay", u"", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                                  nullptr, nullptr);
    std::fprintf(stderr, "%s, last error %u\n", window == nullptr ? "no window" : "a window",
                 unsigned(GetLastError()));
    std::exit(0);
  };
  EXPECT_EXIT(createWindow(), testing::ExitedWithCode(0), "no window, last error [1-9]");
}

}  // namespace
