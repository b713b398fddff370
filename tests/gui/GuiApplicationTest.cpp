// The windowing framework: window classes per window, routing of messages to
// the handlers, the end of a window, worker threads, and failures as
// exceptions.
#include <future>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gui/GuiApplication.h"
#include "gui/MessageHandler.h"
#include "gui/Thread.h"
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
    auto answer = answers.find(message);
    if (answer == answers.end()) return false;
    result = answer->second;
    return true;
  }

  std::vector<UINT> received;
  std::map<UINT, LRESULT> answers;
};

class GuiApplicationTest : public HeadlessFixture {
 protected:
  // Destroying the windows deletes their objects.
  void TearDown() override {
    while (HWND window = platform_test::InputWindow()) DestroyWindow(window);
    HeadlessFixture::TearDown();
  }

  CWindow* MakeWindow(int width = 640, int height = 480) {
    return application_->MakeWindow(&handler_, u"Marrowick", width, height);
  }

  RecordingHandler handler_;
  std::unique_ptr<CGuiApplication> application_ = std::make_unique<CGuiApplication>(nullptr);
};

TEST_F(GuiApplicationTest, FailedCallsThrowAndEveryWindowStillGetsAClassNamedByItsNumber) {
  platform_test::FailCall("RegisterClassExW", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"RegisterClassEx() failed");
  platform_test::FailCall("CreateWindowExW", ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"CreateWindowEx() failed: 1407 (0x0000057f)");
  platform_test::FailCall("SetWindowLongPtrW", ERROR_ACCESS_DENIED);
  EXPECT_THROWS_MESSAGE(MakeWindow(), u"SetWindowLongPtr() failed");
  EXPECT_EQ(platform_test::InputWindow(), nullptr);

  HWND handle = MakeWindow()->GetHandle();
  char16_t name[8] = {}, title[16] = {};
  GetClassNameW(handle, name, 8);
  GetWindowTextW(handle, title, 16);
  EXPECT_EQ(std::u16string(name) + u"," + title, u"3,Marrowick");

  platform_test::FailCall("GetWindowLongPtrW", ERROR_ACCESS_DENIED);
  EXPECT_THROWS_MESSAGE(WindowProc(handle, WM_USER, 0, 0), u"GetWindowLongPtr() failed");
  platform_test::FailCall("InitCommonControlsEx", ERROR_INVALID_PARAMETER);
  EXPECT_THROWS_MESSAGE(CGuiApplication(nullptr), u"InitCommonControlsEx() failed");
}

TEST_F(GuiApplicationTest, TheHandlerGetsEveryMessageFromNcCreateToDestroy) {
  CWindow* window = MakeWindow();
  HWND handle = window->GetHandle();
  EXPECT_EQ(handler_.received, (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(window));
  window->Show(true);
  EXPECT_TRUE(IsWindowVisible(handle));
  handler_.received.clear();

  handler_.answers = {{WM_USER, 42}, {WM_DESTROY, 9}};
  EXPECT_EQ(WindowProc(handle, WM_USER, 0, 0), 42);
  EXPECT_EQ(WindowProc(handle, WM_USER + 1, 0, 0),
            0);  // not handled: the default answers 0
  // The window's last message ends the object, whatever the handler answers.
  EXPECT_EQ(WindowProc(handle, WM_DESTROY, 0, 0), 0);
  EXPECT_EQ(GetWindowLongPtrW(handle, GWLP_USERDATA), 0);
  EXPECT_EQ(WindowProc(handle, WM_USER, 0, 0), 0);  // straight to the default
  EXPECT_EQ(handler_.received, (std::vector<UINT>{WM_USER, WM_USER + 1, WM_DESTROY}));
}

TEST_F(GuiApplicationTest, WindowsAreCentredOnTheScreenEvenWhenLarger) {
  const struct {
    int screenWidth, screenHeight, width, height;
    LONG x, y;
  } placements[] = {
      {1024, 768, 1030, 797, -3, -14},
      {1024, 768, 1063, 700, -19, 34},
      {1920, 1080, 1030, 797, 445, 141},
  };
  for (const auto& placement : placements) {
    platform_test::SetScreenSize(placement.screenWidth, placement.screenHeight);
    RECT outer;
    ASSERT_TRUE(GetWindowRect(MakeWindow(placement.width, placement.height)->GetHandle(), &outer));
    EXPECT_EQ((std::vector<LONG>{outer.left, outer.top, outer.right, outer.bottom}),
              (std::vector<LONG>{placement.x, placement.y, placement.x + placement.width,
                                 placement.y + placement.height}))
        << placement.width << " x " << placement.height << " on " << placement.screenWidth;
  }
}

// Worker threads: started at once, waited for on request, their handles
// closed (never waited for) when the framework object goes.
// Returns at once, or when the test opens its gate if it has one.
class WorkerThread final : public CorvelGUI::IThread {
 public:
  void Run() override {
    if (gate.valid()) gate.wait();
    ranOn = std::this_thread::get_id();
    finished.set_value();
  }
  std::shared_future<void> gate;
  std::thread::id ranOn;
  std::promise<void> finished;
};

TEST(GuiThreads, RunHappensOnAnotherThreadThatCanBeWaitedForAndKeepsItsHandleUntilTheEnd) {
  auto* application = new CGuiApplication(nullptr);
  WorkerThread first, second;
  application->StartThread(&first);
  application->StartThread(&second);
  application->WaitForThreads();
  EXPECT_NE(first.ranOn, std::thread::id());
  EXPECT_NE(first.ranOn, std::this_thread::get_id());
  EXPECT_NE(second.ranOn, std::thread::id());
  platform_test::FailCall("CloseHandle", ERROR_INVALID_HANDLE);
  // The destructor throws; the memory is freed all the same.
  EXPECT_THROWS_MESSAGE(delete application, u"CloseHandle() failed");
}

TEST(GuiThreads, TheEndLeavesRunningThreadsRunningAndAFailedStartNothingToClose) {
  std::promise<void> open;
  WorkerThread gated, never;
  gated.gate = open.get_future().share();
  std::future<void> finished = gated.finished.get_future();
  {
    CGuiApplication application(nullptr);
    platform_test::FailCall("CreateThread", ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_THROWS_MESSAGE(application.StartThread(&never), u"CreateThread() failed");
    application.StartThread(&gated);
  }
  open.set_value();
  finished.wait();
}

}  // namespace
