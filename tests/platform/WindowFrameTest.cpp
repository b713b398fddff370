// The frame the stand-ins draw around a window: the sizes AdjustWindowRect adds
// for each style (those of Windows 10 at 100 %; each Windows has its own), and
// the close button.
#include "HeadlessFixture.h"

namespace {

using WindowFrameTest = RecordingWindowTest;

struct FrameCase {
  DWORD style;
  BOOL menu;
  std::vector<LONG> expected;
};

TEST_F(WindowFrameTest, AdjustWindowRectAddsTheFrameOfTheStyle) {
  const FrameCase cases[] = {
      {0x80CB0000, FALSE, {-3, -26, 1027, 771}},
      {WS_OVERLAPPEDWINDOW, TRUE, {-8, -51, 1032, 776}},
      {WS_POPUP, FALSE, {0, 0, 1024, 768}},
  };
  for (const FrameCase& frame : cases) {
    RECT rect;
    ASSERT_TRUE(SetRect(&rect, 0, 0, 1024, 768));
    ASSERT_TRUE(AdjustWindowRect(&rect, frame.style, frame.menu));
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}), frame.expected)
        << std::hex << frame.style;
  }
  EXPECT_FALSE(AdjustWindowRect(nullptr, WS_POPUP, FALSE));
}

TEST_F(WindowFrameTest, TheCloseButtonPostsClose) {
  recording::Received().clear();
  platform_test::PressCloseButton();

  std::vector<MSG> messages = recording::Retrieve(1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, UINT(WM_CLOSE));
  EXPECT_EQ(messages[0].hwnd, window_);
}

}  // namespace
