// Keys, characters, the mouse and the cursor injected into the stand-ins, as
// messages and as polled state.
#include <utility>

#include "HeadlessFixture.h"

namespace {

using platform_test::MouseButton;

using InputTest = RecordingWindowTest;

TEST_F(InputTest, KeysArriveAsKeyDownCharAndKeyUpWithRepeats) {
  platform_test::InjectKeyDown(VK_RETURN);
  platform_test::InjectChar(u'\r');
  platform_test::InjectKeyDown(VK_RETURN);
  platform_test::InjectKeyUp(VK_RETURN);
  platform_test::InjectKeyDown('A');

  std::vector<Seen> expected = {
      {WM_KEYDOWN, VK_RETURN, 0x1},
      {WM_CHAR, u'\r', 0x1},
      {WM_KEYDOWN, VK_RETURN, 0x40000001},
      {WM_KEYUP, VK_RETURN, 0xC0000001},
      {WM_KEYDOWN, 'A', 0x1},
  };
  EXPECT_EQ(recording::RetrieveSeen(5), expected);
}

TEST_F(InputTest, AsyncKeyStateReportsHeldKeysAndPressesSinceTheLastPoll) {
  EXPECT_EQ(GetAsyncKeyState('A'), 0);
  platform_test::InjectKeyDown('A');
  EXPECT_EQ(GetAsyncKeyState('A'), SHORT(0x8001));
  EXPECT_EQ(GetAsyncKeyState('A'), SHORT(0x8000));  // still held
  platform_test::InjectKeyUp('A');
  EXPECT_EQ(GetAsyncKeyState('A'), 0);

  platform_test::InjectKeyDown('A');  // a tap between two polls
  platform_test::InjectKeyUp('A');
  platform_test::InjectKeyDown(VK_ESCAPE);
  platform_test::InjectMouseButton(MouseButton::Left, true);
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), SHORT(0x8001));
  EXPECT_EQ(GetAsyncKeyState('A'), 1);
  EXPECT_EQ(GetAsyncKeyState('A'), 0);
  EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), SHORT(0x8001));
}

TEST_F(InputTest, MouseMessagesCarryClientCoordinatesAndNoDoubleClicks) {
  platform_test::InjectMouseMove(100, 700);
  for (int click = 0; click < 2; ++click) {
    platform_test::InjectMouseButton(MouseButton::Left, true);
    platform_test::InjectMouseButton(MouseButton::Left, false);
  }
  platform_test::InjectMouseButton(MouseButton::Right, true);
  platform_test::InjectMouseMove(5, 6);
  platform_test::InjectMouseButton(MouseButton::Right, false);

  const LPARAM at = MAKELPARAM(100, 700);
  std::vector<Seen> expected = {
      {WM_MOUSEMOVE, 0, at},
      {WM_LBUTTONDOWN, MK_LBUTTON, at},
      {WM_LBUTTONUP, 0, at},
      {WM_LBUTTONDOWN, MK_LBUTTON, at},
      {WM_LBUTTONUP, 0, at},
      {WM_RBUTTONDOWN, MK_RBUTTON, at},
      {WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(5, 6)},
      {WM_RBUTTONUP, 0, MAKELPARAM(5, 6)},
  };
  EXPECT_EQ(recording::RetrieveSeen(8), expected);
}

TEST_F(InputTest, TheCursorIsPolledInScreenCoordinates) {
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

TEST_F(InputTest, TheCursorShowsWhileTheDisplayCountIsNotNegative) {
  ShowCursor(FALSE);
  EXPECT_FALSE(platform_test::IsSystemCursorShown());
  ShowCursor(FALSE);
  ShowCursor(TRUE);
  EXPECT_FALSE(platform_test::IsSystemCursorShown());
  ShowCursor(TRUE);
  EXPECT_TRUE(platform_test::IsSystemCursorShown());
}

TEST_F(InputTest, InputGoesToTheNewestWindowAndNowhereWithoutOne) {
  HWND newer = recording::Create();
  platform_test::InjectKeyDown('B');
  std::vector<MSG> received = recording::Retrieve(1);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].hwnd, newer);

  ASSERT_TRUE(DestroyWindow(newer));
  ASSERT_TRUE(DestroyWindow(window_));
  EXPECT_EQ(platform_test::InputWindow(), nullptr);
  platform_test::InjectKeyDown('C');
  platform_test::PressCloseButton();
  EXPECT_EQ(GetAsyncKeyState('C'), 0);
}

}  // namespace
