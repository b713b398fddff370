// Window classes and windows: which window's procedure gets which message, the
// user-data slot, and what ends with a window. The same on the stand-ins and on
// Windows itself.
#include <utility>
#include <vector>

#include "RecordingWindow.h"

namespace {

using WindowTest = RecordingTest;

// A second class, whose procedure writes down which window got which message.
constexpr char16_t otherClassName[] = u"Other";
thread_local std::vector<std::pair<HWND, UINT>> otherReceived;

LRESULT CALLBACK OtherProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER && message < 0xC000) otherReceived.emplace_back(window, message);
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateOfOtherClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.lpfnWndProc = OtherProcedure;
  windowClass.lpszClassName = WideText(otherClassName);
  RegisterClassExW(&windowClass);
  EXPECT_EQ(RegisterClassExW(&windowClass), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_ALREADY_EXISTS));
  otherReceived.clear();
  return CreateWindowExW(0, WideText(otherClassName), WideText(u""), WS_POPUP, 0, 0, 10, 10,
                         nullptr, nullptr, nullptr, nullptr);
}

// The game finds the object behind a window through its user data: with two
// windows, each procedure sees only its own window's messages, and each window
// keeps its own data.
TEST_F(WindowTest, EachWindowGetsItsOwnMessagesAndKeepsItsOwnData) {
  HWND mine = recording::Create();
  HWND other = CreateOfOtherClass();
  ASSERT_NE(other, nullptr);
  const auto pointer = LONG_PTR(0x123456789ABCDEF0);
  EXPECT_EQ(SetWindowLongPtrW(mine, GWLP_USERDATA, pointer), 0);
  EXPECT_EQ(SetWindowLongPtrW(other, GWLP_USERDATA, 2), 0);
  recording::AnswerWith(WM_USER, 42);
  recording::Received().clear();

  ASSERT_TRUE(PostMessageW(mine, WM_USER, 0, 0));
  ASSERT_TRUE(PostMessageW(other, WM_USER + 1, 0, 0));
  ASSERT_TRUE(PostMessageW(nullptr, WM_USER + 2, 0, 0));  // to the thread, for no window
  std::vector<MSG> posted = recording::Retrieve(3);
  ASSERT_EQ(posted.size(), 3u);
  EXPECT_EQ(DispatchMessageW(&posted[0]), 42);
  EXPECT_EQ(DispatchMessageW(&posted[1]), 0);
  EXPECT_EQ(posted[2].hwnd, nullptr);
  EXPECT_EQ(DispatchMessageW(&posted[2]), 0);
  EXPECT_EQ(recording::Received(), std::vector<UINT>{WM_USER});
  EXPECT_EQ(otherReceived, (std::vector<std::pair<HWND, UINT>>{{other, WM_USER + 1}}));
  EXPECT_EQ(GetWindowLongPtrW(mine, GWLP_USERDATA), pointer);
  EXPECT_EQ(GetWindowLongPtrW(other, GWLP_USERDATA), 2);
  DestroyWindow(other);
}

TEST_F(WindowTest, TimersAndPostsEndWithTheirWindow) {
  HWND window = recording::Create();
  HWND other = recording::Create();
  ASSERT_NE(SetTimer(window, 1, 20, nullptr), 0u);
  ASSERT_NE(SetTimer(other, 2, 50, nullptr), 0u);
  ASSERT_TRUE(PostMessageW(window, WM_USER, 0, 0));
  std::vector<MSG> posted = recording::Retrieve(1);
  ASSERT_TRUE(DestroyWindow(window));
  recording::Received().clear();

  EXPECT_EQ(DispatchMessageW(&posted.at(0)), 0);
  EXPECT_TRUE(recording::Received().empty());
  EXPECT_EQ(recording::RetrieveSeen(1, false), (std::vector<Seen>{{WM_TIMER, 2}}));
  EXPECT_FALSE(PostMessageW(window, WM_USER, 0, 0));
  EXPECT_EQ(SetTimer(window, 1, 20, nullptr), 0u);
}

}  // namespace
