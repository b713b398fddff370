// Window classes and windows: what is sent while a window is made and
// destroyed, the user-data slot, geometry and visibility.
#include <string>

#include "HeadlessFixture.h"
#include "RecordingWindow.h"
#include "platform/TestControls.h"

namespace {

class WindowTest : public HeadlessFixture {
 protected:
  void SetUp() override {
    HeadlessFixture::SetUp();
    recording::RegisterRecordingClass();
  }
};

TEST_F(WindowTest, CreationSendsNcCreateAndCreateWithTheCreationParameters) {
  int parameter = 0;
  CREATESTRUCTW seen{};
  recording::SetAnswer([&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (message == WM_NCCREATE) seen = *reinterpret_cast<CREATESTRUCTW*>(lParam);
    return std::nullopt;
  });

  HWND window = recording::Create(0x80CB0000, RECT{-3, -14, 1027, 783}, &parameter);

  ASSERT_NE(window, nullptr);
  EXPECT_EQ(recording::Received(), (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
  EXPECT_EQ(seen.lpCreateParams, &parameter);
  EXPECT_EQ((std::vector<int>{seen.x, seen.y, seen.cx, seen.cy}),
            (std::vector<int>{-3, -14, 1030, 797}));
  EXPECT_EQ(DWORD(seen.style), 0x80CB0000u);
  EXPECT_EQ(std::u16string(seen.lpszClass), recording::className);
  char16_t text[16] = {};
  GetWindowTextW(window, text, 16);
  EXPECT_EQ(std::u16string(text), u"Recorded");
}

TEST_F(WindowTest, AnUnknownClassGivesNoWindow) {
  EXPECT_EQ(CreateWindowExW(0, u"Nobody", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
}

struct Refusal {
  UINT message;
  LRESULT answer;
  std::vector<UINT> expected;
};

TEST_F(WindowTest, RefusingCreationEndsTheWindowAtOnce) {
  const Refusal refusals[] = {
      {WM_NCCREATE, FALSE, {WM_NCCREATE, WM_NCDESTROY}},
      {WM_CREATE, -1, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}},
  };
  for (const Refusal& refusal : refusals) {
    recording::Received().clear();
    recording::AnswerWith(refusal.message, refusal.answer);
    EXPECT_EQ(recording::Create(), nullptr);
    EXPECT_EQ(recording::Received(), refusal.expected);
    EXPECT_EQ(platform_test::InputWindow(), nullptr);
  }
}

TEST_F(WindowTest, TheCloseButtonPostsCloseWhichDestroysTheWindow) {
  HWND window = recording::Create();
  recording::Received().clear();
  platform_test::PressCloseButton();

  std::vector<MSG> messages = recording::Retrieve(1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, WM_CLOSE);
  DispatchMessageW(&messages[0]);

  EXPECT_EQ(recording::Received(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(DestroyWindow(window));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(WindowTest, TheWindowStillAnswersDuringItsDestruction) {
  HWND window = recording::Create();
  std::vector<BOOL> aliveDuring;
  recording::SetAnswer([&](HWND self, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_DESTROY || message == WM_NCDESTROY) {
      aliveDuring.push_back(IsWindow(self));
      EXPECT_TRUE(DestroyWindow(self));  // already on its way: nothing more happens
    }
    return std::nullopt;
  });
  recording::Received().clear();

  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(aliveDuring, (std::vector<BOOL>{TRUE, TRUE}));
  EXPECT_EQ(recording::Received(), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(WindowTest, ClassNamesAreUniqueAndCopiedOutWithinTheBuffer) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.lpszClassName = recording::className;
  EXPECT_EQ(RegisterClassExW(&windowClass), 0);
  EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);

  char16_t name[8] = {};
  EXPECT_EQ(GetClassNameW(recording::Create(), name, 3), 2);
  EXPECT_EQ(std::u16string(name), u"Re");
}

TEST_F(WindowTest, UserDataHoldsAWholePointer) {
  HWND window = recording::Create();
  const auto pointer = LONG_PTR(0x123456789ABCDEF0);

  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, pointer), 0);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), pointer);
  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, pointer), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

struct FrameCase {
  DWORD style;
  BOOL menu;
  std::vector<LONG> expected;
};

TEST_F(WindowTest, AdjustWindowRectAddsTheFrameOfTheStyle) {
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

TEST_F(WindowTest, AWindowOfTheAdjustedSizeHasTheRequestedClientArea) {
  RECT outer{0, 0, 1024, 768};
  ASSERT_TRUE(AdjustWindowRect(&outer, 0x80CB0000, FALSE));
  HWND window = recording::Create(0x80CB0000, outer);

  RECT client;
  ASSERT_TRUE(GetClientRect(window, &client));
  EXPECT_EQ((std::vector<LONG>{client.left, client.top, client.right, client.bottom}),
            (std::vector<LONG>{0, 0, 1024, 768}));
}

TEST_F(WindowTest, WindowsStartHiddenUnlessTheirStyleSaysVisible) {
  HWND hidden = recording::Create();
  EXPECT_FALSE(IsWindowVisible(hidden));
  EXPECT_FALSE(ShowWindow(hidden, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(hidden));
  EXPECT_TRUE(ShowWindow(hidden, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(hidden));
  EXPECT_TRUE(IsWindowVisible(recording::Create(WS_POPUP | WS_VISIBLE)));
}

}  // namespace
