// Input as the game polls it each tick: the key state, the cursor position in
// client coordinates, and whether the system cursor shows. Nobody types or
// moves the mouse here, so these hold on the stand-ins and on Windows itself;
// InputTest.cpp injects input into the stand-ins.
#include <utility>

#include "RecordingWindow.h"

namespace {

using PolledInputTest = RecordingTest;

// Only the high bit, the key held down, is checked for real keys: the low bit
// (pressed since the last call) belongs to whichever program asks first, and
// Windows leaves it to programs not to rely on it.
TEST_F(PolledInputTest, KeysNobodyHoldsAndKeysThatDoNotExistReadAsUp) {
  for (int key : {int('A'), VK_RETURN, VK_ESCAPE, VK_LBUTTON, VK_RBUTTON}) {
    EXPECT_EQ(GetAsyncKeyState(key) & 0x8000, 0) << key;
  }
  EXPECT_EQ(GetAsyncKeyState(-1), 0);
  EXPECT_EQ(GetAsyncKeyState(256), 0);
}

TEST_F(PolledInputTest, TheCursorIsPolledOnTheScreenAndMeasuredFromTheClientArea) {
  // A popup has no frame: its client area starts at its own corner.
  HWND window = recording::Create(WS_POPUP, RECT{100, 50, 300, 150});
  POINT onScreen;
  ASSERT_TRUE(GetCursorPos(&onScreen));
  POINT inClient = onScreen;
  ASSERT_TRUE(ScreenToClient(window, &inClient));
  EXPECT_EQ((std::pair{inClient.x, inClient.y}), (std::pair{onScreen.x - 100, onScreen.y - 50}));

  EXPECT_FALSE(GetCursorPos(nullptr));
  EXPECT_FALSE(ScreenToClient(nullptr, &inClient));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(PolledInputTest, ShowCursorCountsHidesAndShows) {
  EXPECT_EQ(ShowCursor(FALSE), -1);
  EXPECT_EQ(ShowCursor(FALSE), -2);
  EXPECT_EQ(ShowCursor(TRUE), -1);
  EXPECT_EQ(ShowCursor(TRUE), 0);
}

}  // namespace
