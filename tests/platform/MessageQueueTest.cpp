// The order in which GetMessageW hands out posted messages, the quit request,
// input and timers, and the stand-ins' virtual clock: when timers fall due and
// what they carry, checked by comparing what comes out with tables of expected
// messages.
#include "HeadlessFixture.h"

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
  EXPECT_FALSE(KillTimer(window_, 2));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));

  std::vector<Seen> expected = {{WM_TIMER, 1, 0, 90}, {WM_TIMER, 1, 0, 140}};
  EXPECT_EQ(recording::RetrieveSeen(2), expected);
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

}  // namespace
