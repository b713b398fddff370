// Keys, characters and the cursor injected into the stand-ins, as messages and
// as polled state. The mouse's messages are checked through the SDL backend
// (SdlBackendTest.cpp), which shares them.
#include <utility>

#include "HeadlessFixture.h"

namespace {

using InputTest = RecordingWindowTest;

TEST_F(InputTest, KeysArriveAsKeyDownCharAndKeyUpWithRepeats) {
  platform_test::InjectKeyDown(VK_RETURN);
  platform_test::InjectChar(u'\r');
  platform_test::InjectKeyDown(VK_RETURN);
  platform_test::InjectKeyUp(VK_RETURN);
  platform_test::InjectKeyDown('A');

  std::vector<Seen> expected = {{WM_KEYDOWN, VK_RETURN, 0x1},
                                {WM_CHAR, u'\r', 0x1},
                                {WM_KEYDOWN, VK_RETURN, 0x40000001},
                                {WM_KEYUP, VK_RETURN, 0xC0000001},
                                {WM_KEYDOWN, 'A', 0x1}};
  EXPECT_EQ(recording::RetrieveSeen(5), expected);
}

// The high bit: held now; the low bit: pressed since the last poll, so that a
// tap between two ticks is not lost.
TEST_F(InputTest, AsyncKeyStateReportsHeldKeysAndPressesSinceTheLastPoll) {
  platform_test::InjectKeyDown('A');
  EXPECT_EQ(GetAsyncKeyState('A'), SHORT(0x8001));
  EXPECT_EQ(GetAsyncKeyState('A'), SHORT(0x8000));
  platform_test::InjectKeyUp('A');
  EXPECT_EQ(GetAsyncKeyState('A'), 0);

  platform_test::InjectKeyDown('A');
  platform_test::InjectKeyUp('A');
  platform_test::InjectMouseButton(platform_test::MouseButton::Left, true);
  EXPECT_EQ(GetAsyncKeyState('A'), 1);
  EXPECT_EQ(GetAsyncKeyState('A'), 0);
  EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), SHORT(0x8001));
  EXPECT_EQ(GetAsyncKeyState(256), 0);
}

TEST_F(InputTest, TheCursorIsPolledOnTheScreen) {
  platform_test::InjectMouseMove(10, 20);
  POINT cursor;
  ASSERT_TRUE(GetCursorPos(&cursor));
  // The client area starts 3 + (-3) pixels in and 26 + (-14) pixels down.
  EXPECT_EQ((std::pair{cursor.x, cursor.y}), (std::pair{10, 32}));
  platform_test::SetCursorScreenPosition(-50, 900);
  ASSERT_TRUE(GetCursorPos(&cursor));
  ASSERT_TRUE(ScreenToClient(window_, &cursor));
  EXPECT_EQ((std::pair{cursor.x, cursor.y}), (std::pair{-50, 888}));
}

TEST_F(InputTest, InputAndTheCloseButtonGoToTheNewestWindowAndNowhereWithoutOne) {
  HWND newer = recording::Create();
  platform_test::InjectKeyDown('B');
  platform_test::PressCloseButton();
  std::vector<MSG> received = recording::Retrieve(2);
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ((std::pair{received[0].hwnd, received[0].message}), (std::pair{newer, UINT(WM_CLOSE)}));
  EXPECT_EQ((std::pair{received[1].hwnd, received[1].message}),
            (std::pair{newer, UINT(WM_KEYDOWN)}));

  ASSERT_TRUE(DestroyWindow(newer));
  ASSERT_TRUE(DestroyWindow(window_));
  EXPECT_EQ(platform_test::InputWindow(), nullptr);
  platform_test::InjectKeyDown('C');
  platform_test::PressCloseButton();
  EXPECT_EQ(GetAsyncKeyState('C'), 0);
}

}  // namespace
