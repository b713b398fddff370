// Worker threads of the framework: started at once, waited for on request,
// their handles closed (never waited for) when the framework object goes.
#include <future>
#include <memory>
#include <thread>

#include "gui/GuiApplication.h"
#include "gui/Thread.h"
#include "platform/testing/TestControls.h"
#include "tests/tlib/ThrowsMessage.h"
#include "tlib/Exception.h"

using CorvelGUI::CGuiApplication;

namespace {

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

TEST(GuiThreads, RunHappensOnAnotherThreadAndCanBeWaitedFor) {
  CGuiApplication application(nullptr);
  WorkerThread first, second;
  application.StartThread(&first);
  application.StartThread(&second);
  application.WaitForThreads();
  EXPECT_NE(first.ranOn, std::thread::id());
  EXPECT_NE(first.ranOn, std::this_thread::get_id());
  EXPECT_NE(second.ranOn, std::thread::id());
}

TEST(GuiThreads, AThreadThatReturnedAtOnceKeepsItsHandleUntilTheEnd) {
  auto* application = new CGuiApplication(nullptr);
  WorkerThread quick;
  application->StartThread(&quick);
  application->WaitForThreads();
  platform_test::FailCall("CloseHandle", ERROR_INVALID_HANDLE);
  // The destructor throws; the memory is freed all the same.
  EXPECT_THROWS_MESSAGE(delete application, u"CloseHandle() failed");
}

TEST(GuiThreads, TheEndOfTheFrameworkLeavesRunningThreadsRunning) {
  std::promise<void> open;
  WorkerThread gated;
  gated.gate = open.get_future().share();
  std::future<void> finished = gated.finished.get_future();
  {
    CGuiApplication application(nullptr);
    application.StartThread(&gated);
  }
  open.set_value();
  finished.wait();
}

TEST(GuiThreads, AFailedStartIsReportedAndLeavesNothingToClose) {
  auto application = std::make_unique<CGuiApplication>(nullptr);
  WorkerThread never;
  platform_test::FailCall("CreateThread", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_THROWS_MESSAGE(application->StartThread(&never), u"CreateThread() failed");
  application->WaitForThreads();
  platform_test::FailCall("CloseHandle", ERROR_INVALID_HANDLE);
  EXPECT_NO_THROW(application.reset());
  platform_test::ClearCallFailures();
}

}  // namespace
