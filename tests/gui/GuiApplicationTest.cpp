// The windowing framework: window classes per window, routing of messages to
// the handlers, the end of a window, and failures as exceptions.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiApplication.h"
#include "gui/MessageHandler.h"
#include "gui/Window.h"
#include "gui/WindowProc.h"
#include "platform/testing/TestControls.h"
#include "tests/platform/HeadlessFixture.h"
#include "tests/tlib/ThrowsMessage.h"
#include "tlib/Exception.h"

using CorvelGUI::CGuiApplication;
using CorvelGUI::CWindow;
using CorvelGUI::WindowProc;

namespace {

// Writes down every message; answers the ones it is told to with a result.
class RecordingHandler final : public CorvelGUI::IMessageHandler {
 public:
  bool HandleMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) override {
    received.push_back(message);
    if (message == WM_KEYDOWN && throwOnKey) throw tlib::TException(u"Key trouble");
    auto answer = answers.find(message);
    if (answer == answers.end()) return false;
    result = answer->second;
    return true;
  }

  std::vector<UINT> received;
  std::map<UINT, LRESULT> answers;
  bool throwOnKey = false;
};

class GuiApplicationTest : public HeadlessFixture {
 protected:
  void SetUp() override {
    HeadlessFixture::SetUp();
    application_ = std::make_unique<CGuiApplication>(nullptr);
  }
  // Destroying the windows deletes their objects.
  void TearDown() override {
    while (HWND window = platform_test::InputWindow()) DestroyWindow(window);
    HeadlessFixture::TearDown();
  }

  HWND MakeWindow(int width = 640, int height = 480) {
    return application_->MakeWindow(&handler_, u"Marrowick", width, height)->GetHandle();
  }

  RecordingHandler handler_;
  std::unique_ptr<CGuiApplication> application_;
};

TEST_F(GuiApplicationTest, EveryWindowGetsAClassNamedByItsNumberEvenAfterAFailure) {
  platform_test::FailCall("RegisterClassExW", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"RegisterClassEx() failed");

  char16_t first[8] = {}, second[8] = {}, title[16] = {};
  GetClassNameW(MakeWindow(), first, 8);
  GetClassNameW(MakeWindow(), second, 8);
  GetWindowTextW(platform_test::InputWindow(), title, 16);
  EXPECT_EQ(std::u16string(first) + u"," + second + u"," + title, u"1,2,Marrowick");
}

TEST_F(GuiApplicationTest, TheHandlerGetsEveryMessageFromNcCreateOn) {
  CWindow* window = application_->MakeWindow(&handler_, u"", 100, 100);
  HWND handle = window->GetHandle();
  EXPECT_EQ(handler_.received, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(window));

  handler_.answers[WM_USER] = 42;
  EXPECT_EQ(WindowProc(handle, WM_USER, 0, 0), 42);
  EXPECT_EQ(WindowProc(handle, WM_USER + 1, 0, 0), 0);  // not handled: the default answers 0
}

TEST_F(GuiApplicationTest, MessagesBeforeTheObjectIsAttachedGoTheDefaultWay) {
  CWindow* window = application_->MakeWindow(&handler_, u"", 100, 100);
  HWND handle = window->GetHandle();
  // A window of a framework class with nothing in its user data yet, as
  // before WM_NCCREATE: the default procedure closes it, no handler is asked.
  SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
  handler_.received.clear();

  EXPECT_EQ(WindowProc(handle, WM_CLOSE, 0, 0), 0);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(handler_.received.empty());
  delete window;  // detached from its window, so the framework did not delete it
}

TEST_F(GuiApplicationTest, DestroyIsHandledWithResultZeroAndEndsTheObject) {
  HWND handle = MakeWindow();
  handler_.answers[WM_DESTROY] = 9;
  handler_.answers[WM_USER] = 5;
  handler_.received.clear();

  EXPECT_EQ(WindowProc(handle, WM_DESTROY, 0, 0), 0);
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_USERDATA), 0);
  EXPECT_EQ(WindowProc(handle, WM_USER, 0, 0), 0);  // straight to the default
  EXPECT_EQ(handler_.received, std::vector<UINT>{WM_DESTROY});
}

TEST_F(GuiApplicationTest, TheCloseButtonDestroysTheShownWindow) {
  CWindow* window = application_->MakeWindow(&handler_, u"", 100, 100);
  HWND handle = window->GetHandle();
  EXPECT_FALSE(IsWindowVisible(handle));
  window->Show(true);
  EXPECT_TRUE(IsWindowVisible(handle));
  handler_.received.clear();

  platform_test::PressCloseButton();
  MSG message;
  ASSERT_EQ(GetMessageW(&message, nullptr, 0, 0), 1);
  DispatchMessageW(&message);

  EXPECT_EQ(handler_.received, (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
  EXPECT_FALSE(IsWindow(handle));
}

TEST_F(GuiApplicationTest, FailedCallsBecomeExceptions) {
  platform_test::FailCall("CreateWindowExW", ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"CreateWindowEx() failed: 1407 (0x0000057f)");
  platform_test::FailCall("SetWindowLongPtrW", ERROR_ACCESS_DENIED);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"SetWindowLongPtr() failed");
  EXPECT_EQ(platform_test::InputWindow(), nullptr);

  HWND handle = MakeWindow();
  platform_test::FailCall("GetWindowLongPtrW", ERROR_ACCESS_DENIED);
  EXPECT_THROWS_MESSAGE(WindowProc(handle, WM_USER, 0, 0), u"GetWindowLongPtr() failed");
  platform_test::FailCall("InitCommonControlsEx", ERROR_INVALID_PARAMETER);
  EXPECT_THROWS_MESSAGE(CGuiApplication(nullptr), u"InitCommonControlsEx() failed");
}

TEST_F(GuiApplicationTest, AnExceptionFromAHandlerLeavesTheMessageLoop) {
  MakeWindow();
  handler_.throwOnKey = true;
  platform_test::InjectKeyDown(VK_RETURN);
  MSG message;
  ASSERT_EQ(GetMessageW(&message, nullptr, 0, 0), 1);
  EXPECT_THROW(DispatchMessageW(&message), tlib::TException);
}

struct Placement {
  int screenWidth, screenHeight, width, height;
  LONG x, y;
};

TEST_F(GuiApplicationTest, WindowsAreCentredOnTheScreenEvenWhenLarger) {
  const Placement placements[] = {
      {1024, 768, 1030, 797, -3, -14},
      {1024, 768, 1063, 700, -19, 34},
      {1920, 1080, 1030, 797, 445, 141},
  };
  for (const Placement& placement : placements) {
    platform_test::SetScreenSize(placement.screenWidth, placement.screenHeight);
    RECT outer;
    ASSERT_TRUE(GetWindowRect(MakeWindow(placement.width, placement.height), &outer));
    EXPECT_EQ((std::vector<LONG>{outer.left, outer.top, outer.right, outer.bottom}),
              (std::vector<LONG>{placement.x, placement.y, placement.x + placement.width,
                                 placement.y + placement.height}))
        << placement.width << " x " << placement.height << " on " << placement.screenWidth;
  }
}

}  // namespace
