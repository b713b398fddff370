// The order in which GetMessageW hands out messages, timers and the quit
// request, checked by comparing what comes out with tables of expected messages.
#include <atomic>
#include <thread>

#include "HeadlessFixture.h"
#include "RecordingWindow.h"
#include "platform/TestControls.h"

namespace {

class MessageQueueTest : public HeadlessFixture {
 protected:
  void SetUp() override {
    HeadlessFixture::SetUp();
    recording::RegisterRecordingClass();
    window_ = recording::Create();
    ASSERT_NE(window_, nullptr);
  }

  HWND window_ = nullptr;
};

TEST_F(MessageQueueTest, PostedMessagesComeFirstThenInputThenTimers) {
  ASSERT_EQ(SetTimer(window_, 7, 20, nullptr), 7u);
  platform_test::InjectKeyDown('A');
  ASSERT_TRUE(PostMessageW(window_, WM_USER + 1, 11, 0));
  platform_test::InjectChar(u'a');
  ASSERT_TRUE(PostMessageW(window_, WM_USER + 2, 22, 0));

  std::vector<Seen> expected = {{WM_USER + 1, 11},
                                {WM_USER + 2, 22},
                                {WM_KEYDOWN, 'A', 1},
                                {WM_CHAR, 'a', 1},
                                {WM_TIMER, 7, 0, 20}};
  EXPECT_EQ(recording::RetrieveSeen(5), expected);
}

TEST_F(MessageQueueTest, QuitComesOnceNothingIsPostedAndBeforeInput) {
  platform_test::InjectKeyDown(VK_ESCAPE);
  PostQuitMessage(3);
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));

  MSG message{};
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), 1);
  EXPECT_EQ(message.message, WM_USER);
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), 0);
  EXPECT_EQ(message.message, WM_QUIT);
  EXPECT_EQ(message.wParam, 3u);
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), 1);
  EXPECT_EQ(message.message, WM_KEYDOWN);
}

TEST_F(MessageQueueTest, ATimerThatFellBehindYieldsOneMessage) {
  ASSERT_NE(SetTimer(window_, 1, 20, nullptr), 0u);
  platform_test::AdvanceClock(100);
  std::vector<Seen> first = recording::RetrieveSeen(1);
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));

  std::vector<Seen> expected = {{WM_TIMER, 1, 0, 100}, {WM_USER, 0, 0, 100}, {WM_TIMER, 1, 0, 120}};
  std::vector<Seen> all = first;
  for (const Seen& next : recording::RetrieveSeen(2)) all.push_back(next);
  EXPECT_EQ(all, expected);
}

TEST_F(MessageQueueTest, TimersComeInTheOrderTheyFallDue) {
  ASSERT_NE(SetTimer(window_, 1, 30, nullptr), 0u);
  ASSERT_NE(SetTimer(window_, 2, 20, nullptr), 0u);

  std::vector<Seen> expected = {{WM_TIMER, 2, 0, 20}, {WM_TIMER, 1, 0, 30}, {WM_TIMER, 2, 0, 40},
                                {WM_TIMER, 1, 0, 60}, {WM_TIMER, 2, 0, 60}, {WM_TIMER, 2, 0, 80},
                                {WM_TIMER, 1, 0, 90}};
  EXPECT_EQ(recording::RetrieveSeen(7), expected);
}

TEST_F(MessageQueueTest, TimerPeriodsAreAtLeastTenMilliseconds) {
  ASSERT_NE(SetTimer(window_, 1, 1, nullptr), 0u);
  std::vector<Seen> expected = {{WM_TIMER, 1, 0, 10}, {WM_TIMER, 1, 0, 20}};
  EXPECT_EQ(recording::RetrieveSeen(2), expected);
}

TEST_F(MessageQueueTest, SettingATimerAgainRestartsItAndKillingItStopsIt) {
  ASSERT_NE(SetTimer(window_, 1, 50, nullptr), 0u);
  ASSERT_NE(SetTimer(window_, 2, 100, nullptr), 0u);
  platform_test::AdvanceClock(40);
  ASSERT_NE(SetTimer(window_, 1, 50, nullptr), 0u);  // now due at 90
  ASSERT_TRUE(KillTimer(window_, 2));

  std::vector<Seen> expected = {{WM_TIMER, 1, 0, 90}, {WM_TIMER, 1, 0, 140}};
  EXPECT_EQ(recording::RetrieveSeen(2), expected);
  EXPECT_FALSE(KillTimer(window_, 2));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(MessageQueueTest, TimersEndWithTheirWindow) {
  HWND other = recording::Create();
  ASSERT_NE(SetTimer(window_, 1, 20, nullptr), 0u);
  ASSERT_NE(SetTimer(other, 2, 50, nullptr), 0u);
  ASSERT_TRUE(DestroyWindow(window_));

  std::vector<Seen> expected = {{WM_TIMER, 2, 0, 50}};
  EXPECT_EQ(recording::RetrieveSeen(1), expected);
  EXPECT_FALSE(KillTimer(window_, 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetTimer(window_, 1, 20, nullptr), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(MessageQueueTest, DispatchCallsTheWindowProcedureAndReturnsItsResult) {
  recording::SetAnswer([](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) return LRESULT(wParam * 2);
    return std::nullopt;
  });
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 21, 0));
  std::vector<MSG> messages = recording::Retrieve(1);
  ASSERT_EQ(messages.size(), 1u);
  recording::Received().clear();

  EXPECT_EQ(DispatchMessageW(&messages[0]), 42);
  EXPECT_EQ(recording::Received(), std::vector<UINT>{WM_USER});
}

TEST_F(MessageQueueTest, MessagesForAWindowThatIsGoneAreNotDispatched) {
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));
  std::vector<MSG> messages = recording::Retrieve(1);
  ASSERT_TRUE(DestroyWindow(window_));
  recording::Received().clear();

  EXPECT_EQ(DispatchMessageW(&messages[0]), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_TRUE(recording::Received().empty());
  EXPECT_FALSE(PostMessageW(window_, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(MessageQueueTest, APostWithoutWindowGoesToTheCallingThread) {
  ASSERT_TRUE(PostMessageW(nullptr, WM_APP, 5, 6));
  std::vector<MSG> messages = recording::Retrieve(1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].hwnd, nullptr);
  EXPECT_EQ(messages[0].message, WM_APP);
  EXPECT_EQ(messages[0].lParam, 6);
  EXPECT_EQ(DispatchMessageW(&messages[0]), 0);
}

TEST_F(MessageQueueTest, FailuresAreReportedAsOnWindows) {
  MSG message{};
  platform_test::FailCall("GetMessageW", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), -1);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(GetMessageW(nullptr, nullptr, 0, 0), -1);
  EXPECT_EQ(GetMessageW(&message, window_, 0, 0), -1);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  platform_test::FailCall("PostMessageW", ERROR_ACCESS_DENIED);
  EXPECT_FALSE(PostMessageW(window_, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  platform_test::FailCall("SetTimer", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(SetTimer(window_, 1, 20, nullptr), 0u);
  platform_test::FailCall("KillTimer", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_FALSE(KillTimer(window_, 1));
}

TEST_F(MessageQueueTest, TheIdleHandlerRunsWhenNothingIsQueued) {
  int idleCalls = 0;
  platform_test::SetIdleHandler([&] {
    ++idleCalls;
    if (idleCalls == 1) platform_test::InjectKeyDown(VK_RETURN);
    if (idleCalls == 2) PostQuitMessage(0);
  });
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));

  std::vector<Seen> expected = {{WM_USER}, {WM_KEYDOWN, VK_RETURN, 1}, {WM_QUIT}};
  EXPECT_EQ(recording::RetrieveSeen(3), expected);
  EXPECT_EQ(idleCalls, 2);
}

TEST_F(MessageQueueTest, TheClockJumpsOnlyWhenTheIdleHandlerQueuedNothing) {
  ASSERT_NE(SetTimer(window_, 1, 20, nullptr), 0u);
  int idleCalls = 0;
  platform_test::SetIdleHandler([&] {
    if (++idleCalls % 2 == 1) {
      ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));
    }
  });

  std::vector<Seen> expected = {
      {WM_USER, 0, 0, 0}, {WM_TIMER, 1, 0, 20}, {WM_USER, 0, 0, 20}, {WM_TIMER, 1, 0, 40}};
  EXPECT_EQ(recording::RetrieveSeen(4), expected);
}

// A window and its queue belong to the thread that made the window.
TEST(MessageQueueThreads, PostingFromAnotherThreadWakesTheWaitingThread) {
  platform_test::ResetHeadless();
  recording::RegisterRecordingClass();
  HWND window = recording::Create();
  ASSERT_NE(window, nullptr);
  constexpr int count = 200;

  std::thread poster([window] {
    for (int i = 0; i < count; ++i) PostMessageW(window, WM_USER, WPARAM(i), 0);
  });
  std::vector<Seen> received = recording::RetrieveSeen(count);
  poster.join();

  std::vector<Seen> expected;
  for (int i = 0; i < count; ++i) expected.push_back(Seen{WM_USER, WPARAM(i)});
  EXPECT_EQ(received, expected);
  platform_test::ResetHeadless();
}

TEST(MessageQueueThreads, EveryThreadHasItsOwnQueue) {
  platform_test::ResetHeadless();
  recording::RegisterRecordingClass();
  HWND window = recording::Create();
  ASSERT_NE(window, nullptr);
  std::atomic<UINT> workerGot{0};
  std::atomic<BOOL> destroyedElsewhere{TRUE};
  std::atomic<DWORD> destroyError{0};

  std::thread worker([&] {
    PostMessageW(nullptr, WM_APP + 1, 0, 0);  // to the worker itself
    PostMessageW(window, WM_APP + 2, 0, 0);   // to the window's thread
    MSG message{};
    GetMessageW(&message, nullptr, 0, 0);
    workerGot = message.message;
    destroyedElsewhere = DestroyWindow(window);
    destroyError = GetLastError();
  });
  worker.join();

  EXPECT_EQ(workerGot, WM_APP + 1);
  EXPECT_FALSE(destroyedElsewhere);
  EXPECT_EQ(destroyError, ERROR_ACCESS_DENIED);
  EXPECT_EQ(recording::RetrieveSeen(1), std::vector<Seen>{{WM_APP + 2}});
  EXPECT_TRUE(IsWindow(window));
  platform_test::ResetHeadless();
}

}  // namespace
