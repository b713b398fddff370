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
#include "platform/TestControls.h"
#include "tests/platform/HeadlessFixture.h"
#include "tests/tlib/ThrowsMessage.h"
#include "tlib/Exception.h"

using CorvelGUI::CGuiApplication;
using CorvelGUI::CWindow;

namespace {

// Writes down every message; answers the ones it is told to with a result.
class RecordingHandler final : public CorvelGUI::IMessageHandler {
 public:
  bool HandleMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) override {
    received.push_back(message);
    auto answer = answers.find(message);
    if (answer == answers.end()) return false;
    result = answer->second;
    return true;
  }

  std::vector<UINT> received;
  std::map<UINT, LRESULT> answers;
};

std::u16string ClassName(HWND window) {
  char16_t name[32] = {};
  GetClassNameW(window, name, 32);
  return name;
}

std::u16string WindowText(HWND window) {
  char16_t text[32] = {};
  GetWindowTextW(window, text, 32);
  return text;
}

class GuiApplicationTest : public HeadlessFixture {
 protected:
  void SetUp() override {
    HeadlessFixture::SetUp();
    application_ = std::make_unique<CGuiApplication>(nullptr);
  }

  CWindow* MakeWindow(int width = 640, int height = 480) {
    return application_->MakeWindow(&handler_, u"Marrowick", width, height);
  }

  // Runs the queue until it is empty, the way the program's loop does.
  void DispatchQueued() {
    platform_test::SetIdleHandler([] { PostQuitMessage(0); });
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    platform_test::SetIdleHandler(nullptr);
  }

  RecordingHandler handler_;
  std::unique_ptr<CGuiApplication> application_;
};

TEST_F(GuiApplicationTest, EveryWindowGetsAClassNamedByItsNumber) {
  CWindow* first = MakeWindow();
  CWindow* second = MakeWindow();

  EXPECT_EQ(ClassName(first->GetHandle()), u"0");
  EXPECT_EQ(ClassName(second->GetHandle()), u"1");
  EXPECT_EQ(WindowText(first->GetHandle()), u"Marrowick");
  EXPECT_FALSE(IsWindowVisible(first->GetHandle()));
  DestroyWindow(first->GetHandle());
  DestroyWindow(second->GetHandle());
}

TEST_F(GuiApplicationTest, AFailedRegistrationUsesUpItsNumber) {
  platform_test::FailCall("RegisterClassExW", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"RegisterClassEx() failed");

  CWindow* window = MakeWindow();
  EXPECT_EQ(ClassName(window->GetHandle()), u"1");
  DestroyWindow(window->GetHandle());
}

TEST_F(GuiApplicationTest, TheHandlerGetsEveryMessageFromNcCreateOn) {
  CWindow* window = MakeWindow();
  HWND handle = window->GetHandle();
  EXPECT_EQ(handler_.received, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(window));

  handler_.answers[WM_USER] = 42;
  MSG message{handle, WM_USER, 0, 0, 0, {}};
  EXPECT_EQ(DispatchMessageW(&message), 42);
  message.message = WM_USER + 1;  // not handled: the default procedure answers 0
  EXPECT_EQ(DispatchMessageW(&message), 0);
  DestroyWindow(handle);
}

TEST_F(GuiApplicationTest, MessagesBeforeTheObjectIsAttachedGoTheDefaultWay) {
  CWindow* window = MakeWindow();
  HWND handle = window->GetHandle();
  // A window of a framework class with nothing in its user data yet, as
  // before WM_NCCREATE: the default procedure closes it, no handler is asked.
  SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
  handler_.received.clear();

  EXPECT_EQ(CorvelGUI::WindowProc(handle, WM_CLOSE, 0, 0), 0);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(handler_.received.empty());
  delete window;  // detached from its window, so the framework did not delete it
}

TEST_F(GuiApplicationTest, DestroyIsHandledWithResultZeroAndEndsTheObject) {
  CWindow* window = MakeWindow();
  HWND handle = window->GetHandle();
  handler_.answers[WM_USER] = 5;
  handler_.received.clear();

  EXPECT_EQ(CorvelGUI::WindowProc(handle, WM_DESTROY, 0, 0), 0);  // handler returns false
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_USERDATA), 0);
  EXPECT_EQ(CorvelGUI::WindowProc(handle, WM_USER, 0, 0), 0);  // straight to the default
  EXPECT_EQ(handler_.received, std::vector<UINT>{WM_DESTROY});
  DestroyWindow(handle);
}

TEST_F(GuiApplicationTest, DestroyIsHandledWithResultZeroWhateverTheHandlerSays) {
  CWindow* window = MakeWindow();
  handler_.answers[WM_DESTROY] = 9;
  EXPECT_EQ(CorvelGUI::WindowProc(window->GetHandle(), WM_DESTROY, 0, 0), 0);
  DestroyWindow(platform_test::InputWindow());
}

TEST_F(GuiApplicationTest, CloseDestroysTheWindowAndNcDestroyNoLongerReachesTheHandler) {
  CWindow* window = MakeWindow();
  HWND handle = window->GetHandle();
  window->Show(true);
  EXPECT_TRUE(IsWindowVisible(handle));
  handler_.received.clear();

  platform_test::PressCloseButton();
  DispatchQueued();

  EXPECT_EQ(handler_.received, (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
  EXPECT_FALSE(IsWindow(handle));
}

TEST_F(GuiApplicationTest, ShowHidesAgain) {
  CWindow* window = MakeWindow();
  window->Show(true);
  window->Show(false);
  EXPECT_FALSE(IsWindowVisible(window->GetHandle()));
  DestroyWindow(window->GetHandle());
}

TEST_F(GuiApplicationTest, AFailedCreationReportsTheErrorCode) {
  platform_test::FailCall("CreateWindowExW", ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"CreateWindowEx() failed: 1407 (0x0000057f)");
  EXPECT_EQ(platform_test::InputWindow(), nullptr);
}

TEST_F(GuiApplicationTest, AFailedUserDataStoreEndsTheCreation) {
  platform_test::FailCall("SetWindowLongPtrW", ERROR_ACCESS_DENIED);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"SetWindowLongPtr() failed");
  EXPECT_EQ(platform_test::InputWindow(), nullptr);
}

TEST_F(GuiApplicationTest, AFailedUserDataReadIsReported) {
  CWindow* window = MakeWindow();
  platform_test::FailCall("GetWindowLongPtrW", ERROR_ACCESS_DENIED);
  EXPECT_THROWS_MESSAGE(CorvelGUI::WindowProc(window->GetHandle(), WM_USER, 0, 0),
                        u"GetWindowLongPtr() failed");
  DestroyWindow(window->GetHandle());
}

TEST_F(GuiApplicationTest, AnExceptionFromAHandlerLeavesTheMessageLoop) {
  struct Throwing final : CorvelGUI::IMessageHandler {
    bool HandleMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
      if (message == WM_KEYDOWN) throw tlib::TException(u"Key trouble");
      return false;
    }
  } throwing;
  CWindow* window = application_->MakeWindow(&throwing, u"", 100, 100);
  platform_test::InjectKeyDown(VK_RETURN);
  MSG message;
  ASSERT_EQ(GetMessageW(&message, nullptr, 0, 0), 1);
  EXPECT_THROW(DispatchMessageW(&message), tlib::TException);
  DestroyWindow(window->GetHandle());
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
    CWindow* window = MakeWindow(placement.width, placement.height);
    RECT outer;
    ASSERT_TRUE(GetWindowRect(window->GetHandle(), &outer));
    EXPECT_EQ(outer.left, placement.x) << placement.width << " on " << placement.screenWidth;
    EXPECT_EQ(outer.top, placement.y) << placement.height << " on " << placement.screenHeight;
    EXPECT_EQ(outer.right - outer.left, placement.width);
    EXPECT_EQ(outer.bottom - outer.top, placement.height);
    DestroyWindow(window->GetHandle());
  }
}

TEST_F(GuiApplicationTest, TheProgramsWindowHasExactlyTheClientAreaAskedFor) {
  RECT outer{0, 0, 1024, 768};
  ASSERT_TRUE(AdjustWindowRect(&outer, 0x80CB0000, FALSE));
  CWindow* window = MakeWindow(outer.right - outer.left, outer.bottom - outer.top);
  RECT client;
  ASSERT_TRUE(GetClientRect(window->GetHandle(), &client));
  EXPECT_EQ(client.right, 1024);
  EXPECT_EQ(client.bottom, 768);
  DestroyWindow(window->GetHandle());
}

TEST(GuiApplication, AFailedCommonControlsStartIsReported) {
  platform_test::ResetHeadless();
  platform_test::FailCall("InitCommonControlsEx", ERROR_INVALID_PARAMETER);
  EXPECT_THROWS_MESSAGE(CGuiApplication(nullptr), u"InitCommonControlsEx() failed");
}

}  // namespace
