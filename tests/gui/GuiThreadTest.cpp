// Worker threads of the framework: started at once, waited for on request,
// their handles closed (never waited for) when the framework object goes.
#include <atomic>
#include <future>
#include <thread>

#include "gui/GuiApplication.h"
#include "gui/Thread.h"
#include "platform/TestControls.h"
#include "tests/platform/HeadlessFixture.h"
#include "tests/tlib/ThrowsMessage.h"
#include "tlib/Exception.h"

using CorvelGUI::CGuiApplication;

namespace {

class QuickThread final : public CorvelGUI::IThread {
 public:
  void Run() override { ranOn = std::this_thread::get_id(); }
  std::thread::id ranOn;
};

// Runs until the test lets it finish, then says so.
class GatedThread final : public CorvelGUI::IThread {
 public:
  void Run() override {
    gate.wait();
    finished.set_value();
  }
  std::promise<void> open;
  std::shared_future<void> gate = open.get_future().share();
  std::promise<void> finished;
};

TEST(GuiThreads, RunHappensOnAnotherThreadAndCanBeWaitedFor) {
  CGuiApplication application(nullptr);
  QuickThread first, second;
  application.StartThread(&first);
  application.StartThread(&second);
  application.WaitForThreads();
  EXPECT_NE(first.ranOn, std::thread::id());
  EXPECT_NE(first.ranOn, std::this_thread::get_id());
  EXPECT_NE(second.ranOn, std::thread::id());
}

TEST(GuiThreads, AThreadThatReturnedAtOnceKeepsItsHandleUntilTheEnd) {
  platform_test::ClearCallFailures();
  auto* application = new CGuiApplication(nullptr);
  QuickThread quick;
  application->StartThread(&quick);
  application->WaitForThreads();

  platform_test::FailCall("CloseHandle", ERROR_INVALID_HANDLE);
  // The destructor throws; the memory is freed all the same.
  EXPECT_THROWS_MESSAGE(delete application, u"CloseHandle() failed");
}

TEST(GuiThreads, TheEndOfTheFrameworkLeavesRunningThreadsRunning) {
  GatedThread gated;
  std::future<void> finished = gated.finished.get_future();
  {
    CGuiApplication application(nullptr);
    application.StartThread(&gated);
  }
  gated.open.set_value();
  finished.wait();
}

TEST(GuiThreads, AFailedStartIsReportedAndLeavesNothingToClose) {
  platform_test::ClearCallFailures();
  auto* application = new CGuiApplication(nullptr);
  QuickThread quick;
  platform_test::FailCall("CreateThread", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_THROWS_MESSAGE(application->StartThread(&quick), u"CreateThread() failed");
  application->WaitForThreads();
  platform_test::FailCall("CloseHandle", ERROR_INVALID_HANDLE);
  EXPECT_NO_THROW(delete application);
  platform_test::ClearCallFailures();
}

}  // namespace
