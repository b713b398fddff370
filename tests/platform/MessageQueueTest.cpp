// The order in which GetMessageW hands out messages, timers and the quit
// request, checked by comparing what comes out with tables of expected messages.
#include <atomic>
#include <thread>

#include "RecordingWindow.h"
#include "platform/TestControls.h"

namespace {

using MessageQueueTest = RecordingWindowTest;

TEST_F(MessageQueueTest, PostedMessagesComeFirstThenQuitThenInputThenTimers) {
  ASSERT_EQ(SetTimer(window_, 7, 20, nullptr), 7u);
  platform_test::InjectKeyDown('A');
  ASSERT_TRUE(PostMessageW(window_, WM_USER + 1, 11, 0));
  PostQuitMessage(3);
  platform_test::InjectChar(u'a');
  ASSERT_TRUE(PostMessageW(window_, WM_USER + 2, 22, 0));

  std::vector<Seen> expected = {{WM_USER + 1, 11},    {WM_USER + 2, 22}, {WM_QUIT, 3},
                                {WM_KEYDOWN, 'A', 1}, {WM_CHAR, 'a', 1}, {WM_TIMER, 7, 0, 20}};
  EXPECT_EQ(recording::RetrieveSeen(6), expected);
}

TEST_F(MessageQueueTest, ATimerThatFellBehindYieldsOneMessage) {
  ASSERT_NE(SetTimer(window_, 1, 20, nullptr), 0u);
  platform_test::AdvanceClock(100);
  std::vector<Seen> all = recording::RetrieveSeen(1);
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));
  for (const Seen& next : recording::RetrieveSeen(2)) all.push_back(next);

  std::vector<Seen> expected = {{WM_TIMER, 1, 0, 100}, {WM_USER, 0, 0, 100}, {WM_TIMER, 1, 0, 120}};
  EXPECT_EQ(all, expected);
}

TEST_F(MessageQueueTest, TimersComeInTheOrderTheyFallDueAtLeastTenMillisecondsApart) {
  ASSERT_NE(SetTimer(window_, 1, 30, nullptr), 0u);
  ASSERT_NE(SetTimer(window_, 2, 20, nullptr), 0u);
  ASSERT_NE(SetTimer(window_, 3, 1, nullptr), 0u);

  std::vector<Seen> expected = {{WM_TIMER, 3, 0, 10}, {WM_TIMER, 2, 0, 20}, {WM_TIMER, 3, 0, 20},
                                {WM_TIMER, 1, 0, 30}, {WM_TIMER, 3, 0, 30}, {WM_TIMER, 2, 0, 40},
                                {WM_TIMER, 3, 0, 40}};
  EXPECT_EQ(recording::RetrieveSeen(7), expected);
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

TEST_F(MessageQueueTest, TimersAndPostsEndWithTheirWindow) {
  HWND other = recording::Create();
  ASSERT_NE(SetTimer(window_, 1, 20, nullptr), 0u);
  ASSERT_NE(SetTimer(other, 2, 50, nullptr), 0u);
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));
  std::vector<MSG> posted = recording::Retrieve(1);
  ASSERT_TRUE(DestroyWindow(window_));
  recording::Received().clear();

  EXPECT_EQ(DispatchMessageW(&posted[0]), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_TRUE(recording::Received().empty());
  EXPECT_EQ(recording::RetrieveSeen(1), (std::vector<Seen>{{WM_TIMER, 2, 0, 50}}));
  EXPECT_FALSE(PostMessageW(window_, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetTimer(window_, 1, 20, nullptr), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(MessageQueueTest, DispatchAnswersWithTheProcedureOfTheMessagesWindowIfAny) {
  recording::AnswerWith(WM_USER, 42);
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));
  ASSERT_TRUE(PostMessageW(nullptr, WM_USER, 5, 6));  // to the calling thread itself
  std::vector<MSG> messages = recording::Retrieve(2);
  ASSERT_EQ(messages.size(), 2u);
  recording::Received().clear();

  EXPECT_EQ(DispatchMessageW(&messages[0]), 42);
  EXPECT_EQ(messages[1].hwnd, nullptr);
  EXPECT_EQ(SeenOf(messages[1]), (Seen{WM_USER, 5, 6}));
  EXPECT_EQ(DispatchMessageW(&messages[1]), 0);
  EXPECT_EQ(recording::Received(), std::vector<UINT>{WM_USER});
}

TEST_F(MessageQueueTest, GetMessageFailsAsOnWindows) {
  MSG message{};
  platform_test::FailCall("GetMessageW", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), -1);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(GetMessageW(nullptr, nullptr, 0, 0), -1);
  EXPECT_EQ(GetMessageW(&message, window_, 0, 0), -1);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

// The idle handler runs whenever nothing is queued; the clock jumps to the
// next timer only when the handler queued nothing either.
TEST_F(MessageQueueTest, TheIdleHandlerRunsBeforeTheClockJumps) {
  ASSERT_NE(SetTimer(window_, 1, 20, nullptr), 0u);
  int idleCalls = 0;
  platform_test::SetIdleHandler([&] {
    ++idleCalls;
    if (idleCalls == 1) platform_test::InjectKeyDown(VK_RETURN);
    if (idleCalls == 3) PostMessageW(window_, WM_USER, 0, 0);
    if (idleCalls == 4) PostQuitMessage(0);
  });

  std::vector<Seen> expected = {{WM_KEYDOWN, VK_RETURN, 1, 0},
                                {WM_TIMER, 1, 0, 20},
                                {WM_USER, 0, 0, 20},
                                {WM_QUIT, 0, 0, 20}};
  EXPECT_EQ(recording::RetrieveSeen(4), expected);
  EXPECT_EQ(idleCalls, 4);
}

// A window and its queue belong to the thread that made the window.
using MessageQueueThreads = RecordingWindowTest;

TEST_F(MessageQueueThreads, PostingFromAnotherThreadWakesTheWaitingThread) {
  constexpr int count = 200;
  std::thread poster([this] {
    for (int i = 0; i < count; ++i) PostMessageW(window_, WM_USER, WPARAM(i), 0);
  });
  std::vector<Seen> received = recording::RetrieveSeen(count);
  poster.join();

  std::vector<Seen> expected;
  for (int i = 0; i < count; ++i) expected.push_back(Seen{WM_USER, WPARAM(i)});
  EXPECT_EQ(received, expected);
}

TEST_F(MessageQueueThreads, EveryThreadHasItsOwnQueue) {
  std::atomic<UINT> workerGot{0};
  std::atomic<BOOL> destroyedElsewhere{TRUE};
  std::atomic<DWORD> destroyError{0};

  std::thread worker([&] {
    PostMessageW(nullptr, WM_APP + 1, 0, 0);  // to the worker itself
    PostMessageW(window_, WM_APP + 2, 0, 0);  // to the window's thread
    MSG message{};
    GetMessageW(&message, nullptr, 0, 0);
    workerGot = message.message;
    destroyedElsewhere = DestroyWindow(window_);
    destroyError = GetLastError();
  });
  worker.join();

  EXPECT_EQ(workerGot, WM_APP + 1);
  EXPECT_FALSE(destroyedElsewhere);
  EXPECT_EQ(destroyError, ERROR_ACCESS_DENIED);
  EXPECT_EQ(recording::RetrieveSeen(1), std::vector<Seen>{{WM_APP + 2}});
  EXPECT_TRUE(IsWindow(window_));
}

}  // namespace
