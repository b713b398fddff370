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

std::u16string WindowText(HWND window) {
  char16_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

TEST_F(WindowTest, CreationSendsNcCreateAndCreateWithTheCreationParameters) {
  int parameter = 0;
  CREATESTRUCTW seen{};
  recording::SetAnswer([&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (message == WM_NCCREATE) seen = *reinterpret_cast<CREATESTRUCTW*>(lParam);
    return std::nullopt;
  });

  HWND window = recording::Create(0x80CB0000, RECT{-3, -14, 1027, 783}, &parameter);

  ASSERT_NE(window, nullptr);
  std::vector<UINT> expected = {WM_NCCREATE, WM_CREATE};
  EXPECT_EQ(recording::Received(), expected);
  EXPECT_EQ(seen.lpCreateParams, &parameter);
  EXPECT_EQ(seen.x, -3);
  EXPECT_EQ(seen.y, -14);
  EXPECT_EQ(seen.cx, 1030);
  EXPECT_EQ(seen.cy, 797);
  EXPECT_EQ(DWORD(seen.style), 0x80CB0000u);
  EXPECT_EQ(std::u16string(seen.lpszClass), recording::className);
  EXPECT_EQ(WindowText(window), u"Recorded");
}

TEST_F(WindowTest, AnUnknownClassOrAnArrangedFailureGivesNoWindow) {
  EXPECT_EQ(CreateWindowExW(0, u"Nobody", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);

  platform_test::FailCall("CreateWindowExW", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(recording::Create(), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_TRUE(recording::Received().empty());
  EXPECT_EQ(platform_test::InputWindow(), nullptr);
}

TEST_F(WindowTest, RefusingNcCreateEndsTheWindowWithNcDestroy) {
  HWND made = nullptr;
  recording::SetAnswer([&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    made = window;
    if (message == WM_NCCREATE) return FALSE;
    return std::nullopt;
  });

  EXPECT_EQ(recording::Create(), nullptr);
  std::vector<UINT> expected = {WM_NCCREATE, WM_NCDESTROY};
  EXPECT_EQ(recording::Received(), expected);
  EXPECT_FALSE(IsWindow(made));
}

TEST_F(WindowTest, RefusingCreateDestroysTheWindow) {
  recording::SetAnswer([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_CREATE) return -1;
    return std::nullopt;
  });

  EXPECT_EQ(recording::Create(), nullptr);
  std::vector<UINT> expected = {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY};
  EXPECT_EQ(recording::Received(), expected);
  EXPECT_EQ(platform_test::InputWindow(), nullptr);
}

TEST_F(WindowTest, AProcedureThatThrowsDuringCreationLeavesNoWindowBehind) {
  recording::SetAnswer([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_CREATE) throw 7;
    return std::nullopt;
  });

  EXPECT_THROW(recording::Create(), int);
  EXPECT_EQ(platform_test::InputWindow(), nullptr);
}

TEST_F(WindowTest, CloseGoesTheDefaultWayAndDestroysTheWindow) {
  HWND window = recording::Create();
  ASSERT_NE(window, nullptr);
  recording::Received().clear();
  platform_test::PressCloseButton();

  std::vector<MSG> messages = recording::Retrieve(1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, WM_CLOSE);
  DispatchMessageW(&messages[0]);

  std::vector<UINT> expected = {WM_CLOSE, WM_DESTROY, WM_NCDESTROY};
  EXPECT_EQ(recording::Received(), expected);
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
      SetLastError(0);
      EXPECT_EQ(GetWindowLongPtrW(self, GWLP_USERDATA), 0);
      EXPECT_EQ(GetLastError(), 0u);
      EXPECT_TRUE(DestroyWindow(self));  // already on its way: nothing more happens
    }
    return std::nullopt;
  });
  recording::Received().clear();

  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(aliveDuring, (std::vector<BOOL>{TRUE, TRUE}));
  std::vector<UINT> expected = {WM_DESTROY, WM_NCDESTROY};
  EXPECT_EQ(recording::Received(), expected);
}

TEST_F(WindowTest, RegistrationChecksItsInput) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.lpszClassName = recording::className;
  EXPECT_EQ(RegisterClassExW(&windowClass), 0);
  EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);

  windowClass.lpszClassName = u"Other";
  windowClass.cbSize = 48;  // the size of the structure in a 32-bit program
  EXPECT_EQ(RegisterClassExW(&windowClass), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegisterClassExW(nullptr), 0);

  windowClass.cbSize = sizeof(WNDCLASSEXW);
  EXPECT_NE(RegisterClassExW(&windowClass), 0);
  char16_t name[8] = {};
  HWND window = CreateWindowExW(0, u"Other", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                nullptr, nullptr);
  EXPECT_EQ(GetClassNameW(window, name, 3), 2);
  EXPECT_EQ(std::u16string(name), u"Ot");
}

TEST_F(WindowTest, UserDataHoldsAWholePointer) {
  HWND window = recording::Create();
  const auto pointer = LONG_PTR(0x123456789ABCDEF0);

  SetLastError(0);
  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, pointer), 0);
  EXPECT_EQ(GetLastError(), 0u);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), pointer);
  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, 0), pointer);

  EXPECT_EQ(GetWindowLongPtrW(window, -4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, pointer), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

struct FrameCase {
  DWORD style;
  BOOL menu;
  RECT expected;
};

TEST_F(WindowTest, AdjustWindowRectAddsTheFrameOfTheStyle) {
  const FrameCase cases[] = {
      {0x80CB0000, FALSE, {-3, -26, 1027, 771}},
      {WS_OVERLAPPEDWINDOW, FALSE, {-8, -31, 1032, 776}},
      {WS_OVERLAPPEDWINDOW, TRUE, {-8, -51, 1032, 776}},
      {WS_POPUP | WS_BORDER, FALSE, {-1, -1, 1025, 769}},
      {WS_POPUP, FALSE, {0, 0, 1024, 768}},
  };
  for (const FrameCase& frame : cases) {
    RECT rect;
    ASSERT_TRUE(SetRect(&rect, 0, 0, 1024, 768));
    ASSERT_TRUE(AdjustWindowRect(&rect, frame.style, frame.menu));
    EXPECT_EQ(rect.left, frame.expected.left) << std::hex << frame.style;
    EXPECT_EQ(rect.top, frame.expected.top) << std::hex << frame.style;
    EXPECT_EQ(rect.right, frame.expected.right) << std::hex << frame.style;
    EXPECT_EQ(rect.bottom, frame.expected.bottom) << std::hex << frame.style;
  }
  EXPECT_FALSE(AdjustWindowRect(nullptr, WS_POPUP, FALSE));
  platform_test::FailCall("SetRect", ERROR_INVALID_PARAMETER);
  RECT rect;
  EXPECT_FALSE(SetRect(&rect, 0, 0, 1, 1));
}

TEST_F(WindowTest, AWindowOfTheAdjustedSizeHasTheRequestedClientArea) {
  platform_test::SetScreenSize(1024, 768);
  RECT outer{0, 0, 1024, 768};
  ASSERT_TRUE(AdjustWindowRect(&outer, 0x80CB0000, FALSE));
  HWND window = recording::Create(
      0x80CB0000, RECT{-3, -14, -3 + outer.right - outer.left, -14 + outer.bottom - outer.top});

  RECT client;
  ASSERT_TRUE(GetClientRect(window, &client));
  EXPECT_EQ(client.right - client.left, 1024);
  EXPECT_EQ(client.bottom - client.top, 768);
  RECT placed;
  ASSERT_TRUE(GetWindowRect(window, &placed));
  EXPECT_EQ(placed.left, -3);
  EXPECT_EQ(placed.top, -14);
  EXPECT_EQ(placed.right, 1027);
  EXPECT_EQ(placed.bottom, 783);

  POINT corner{0, 12};  // the client area's top-left corner on the screen
  ASSERT_TRUE(ScreenToClient(window, &corner));
  EXPECT_EQ(corner.x, 0);
  EXPECT_EQ(corner.y, 0);
}

TEST_F(WindowTest, WindowsStartHiddenUnlessTheirStyleSaysVisible) {
  HWND hidden = recording::Create();
  EXPECT_FALSE(IsWindowVisible(hidden));
  EXPECT_FALSE(ShowWindow(hidden, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(hidden));
  EXPECT_TRUE(ShowWindow(hidden, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(hidden));

  HWND shown = recording::Create(WS_POPUP | WS_VISIBLE);
  EXPECT_TRUE(IsWindowVisible(shown));
}

TEST_F(WindowTest, TheScreenSizeIsTheBackendsOwn) {
  platform_test::SetScreenSize(800, 600);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
  EXPECT_EQ(GetSystemMetrics(1000), 0);
}

TEST_F(WindowTest, CommonControlsNeedTheRightSize) {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), 0};
  EXPECT_TRUE(InitCommonControlsEx(&controls));
  controls.dwSize = 4;
  EXPECT_FALSE(InitCommonControlsEx(&controls));
  EXPECT_FALSE(InitCommonControlsEx(nullptr));
}

}  // namespace
