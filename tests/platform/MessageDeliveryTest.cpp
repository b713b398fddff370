// What GetMessageW hands out and DispatchMessageW delivers, checked by comparing
// what comes out with tables of expected messages. The same on the stand-ins
// and on Windows itself; the stand-ins' own clock is tested in
// MessageQueueTest.cpp.
#include <atomic>
#include <thread>

#include "RecordingWindow.h"

namespace {

class MessageDeliveryTest : public RecordingTest {
 protected:
  void SetUp() override {
    RecordingTest::SetUp();
    window_ = recording::Create();
    ASSERT_NE(window_, nullptr);
  }

  HWND window_ = nullptr;
};

TEST_F(MessageDeliveryTest, PostedMessagesComeFirstThenQuitThenTimers) {
  ASSERT_EQ(SetTimer(window_, 7, 20, nullptr), 7u);
  ASSERT_TRUE(PostMessageW(window_, WM_USER + 1, 11, 0));
  PostQuitMessage(3);
  ASSERT_TRUE(PostMessageW(window_, WM_USER + 2, 22, 0));

  std::vector<Seen> expected = {{WM_USER + 1, 11}, {WM_USER + 2, 22}, {WM_QUIT, 3}, {WM_TIMER, 7}};
  EXPECT_EQ(recording::RetrieveUntimed(4), expected);
}

// How far apart the ticks come is the clock's business: Windows makes up for a
// late loop, the stand-ins' virtual clock is tested in MessageQueueTest.cpp.
TEST_F(MessageDeliveryTest, ATimerKeepsComingUntilItIsKilled) {
  ASSERT_EQ(SetTimer(window_, 1, 10, nullptr), 1u);
  std::vector<MSG> ticks = recording::Retrieve(2);
  ASSERT_EQ(ticks.size(), 2u);
  for (const MSG& tick : ticks) {
    EXPECT_EQ(UntimedSeenOf(tick), (Seen{WM_TIMER, 1}));
    EXPECT_EQ(tick.hwnd, window_);
  }

  ASSERT_TRUE(KillTimer(window_, 1));
  EXPECT_FALSE(KillTimer(window_, 1));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));
  EXPECT_EQ(recording::RetrieveUntimed(1), std::vector<Seen>{{WM_USER}});
}

TEST_F(MessageDeliveryTest, TimersAndPostsEndWithTheirWindow) {
  HWND other = recording::Create();
  ASSERT_NE(SetTimer(window_, 1, 20, nullptr), 0u);
  ASSERT_NE(SetTimer(other, 2, 50, nullptr), 0u);
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));
  std::vector<MSG> posted = recording::Retrieve(1);
  ASSERT_TRUE(DestroyWindow(window_));
  recording::Received().clear();

  EXPECT_EQ(DispatchMessageW(&posted[0]), 0);
  EXPECT_TRUE(recording::Received().empty());
  EXPECT_EQ(recording::RetrieveUntimed(1), (std::vector<Seen>{{WM_TIMER, 2}}));
  EXPECT_FALSE(PostMessageW(window_, WM_USER, 0, 0));
  EXPECT_EQ(SetTimer(window_, 1, 20, nullptr), 0u);
}

TEST_F(MessageDeliveryTest, DispatchAnswersWithTheProcedureOfTheMessagesWindowIfAny) {
  recording::AnswerWith(WM_USER, 42);
  ASSERT_TRUE(PostMessageW(window_, WM_USER, 0, 0));
  ASSERT_TRUE(PostMessageW(nullptr, WM_USER, 5, 6));  // to the calling thread itself
  std::vector<MSG> messages = recording::Retrieve(2);
  ASSERT_EQ(messages.size(), 2u);
  recording::Received().clear();

  EXPECT_EQ(DispatchMessageW(&messages[0]), 42);
  EXPECT_EQ(messages[1].hwnd, nullptr);
  EXPECT_EQ(UntimedSeenOf(messages[1]), (Seen{WM_USER, 5, 6}));
  EXPECT_EQ(DispatchMessageW(&messages[1]), 0);
  EXPECT_EQ(recording::Received(), std::vector<UINT>{WM_USER});
}

// A window and its queue belong to the thread that made the window.
using MessageDeliveryThreads = MessageDeliveryTest;

TEST_F(MessageDeliveryThreads, PostingFromAnotherThreadWakesTheWaitingThread) {
  constexpr int count = 200;
  std::thread poster([this] {
    for (int i = 0; i < count; ++i) PostMessageW(window_, WM_USER, WPARAM(i), 0);
  });
  std::vector<Seen> received = recording::RetrieveUntimed(count);
  poster.join();

  std::vector<Seen> expected;
  for (int i = 0; i < count; ++i) expected.push_back(Seen{WM_USER, WPARAM(i)});
  EXPECT_EQ(received, expected);
}

TEST_F(MessageDeliveryThreads, EveryThreadHasItsOwnQueue) {
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

  EXPECT_EQ(workerGot, UINT(WM_APP + 1));
  EXPECT_FALSE(destroyedElsewhere);
  EXPECT_EQ(destroyError, DWORD(ERROR_ACCESS_DENIED));
  EXPECT_EQ(recording::RetrieveUntimed(1), std::vector<Seen>{{WM_APP + 2}});
  EXPECT_TRUE(IsWindow(window_));
}

}  // namespace
