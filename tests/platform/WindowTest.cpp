// Window classes and windows: what is sent while a window is made and
// destroyed, the user-data slot, geometry and visibility. The same on the
// stand-ins and on Windows itself.
#include <string>
#include <vector>

#include "RecordingWindow.h"

namespace {

using WindowTest = RecordingTest;
using Text = std::basic_string<WCHAR>;

TEST_F(WindowTest, CreationSendsNcCreateAndCreateWithTheCreationParameters) {
  int parameter = 0;
  CREATESTRUCTW seen{};
  Text seenClass;  // the structure's strings last only as long as the message
  recording::SetAnswer([&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (message == WM_NCCREATE) {
      seen = *reinterpret_cast<CREATESTRUCTW*>(lParam);
      seenClass = seen.lpszClass;
    }
    return std::nullopt;
  });

  HWND window = recording::Create(0x80CB0000, RECT{-3, -14, 1027, 783}, &parameter);

  ASSERT_NE(window, nullptr);
  EXPECT_EQ(recording::LifeMessages(), (std::vector<UINT>{WM_NCCREATE, WM_CREATE}));
  EXPECT_EQ(seen.lpCreateParams, &parameter);
  EXPECT_EQ((std::vector<int>{seen.x, seen.y, seen.cx, seen.cy}),
            (std::vector<int>{-3, -14, 1030, 797}));
  EXPECT_EQ(DWORD(seen.style), 0x80CB0000u);
  EXPECT_EQ(seenClass, WideText(recording::className));
  char16_t text[16] = {};
  GetWindowTextW(window, WideText(text), 16);
  EXPECT_EQ(std::u16string(text), u"Recorded");
}

TEST_F(WindowTest, AnUnknownClassGivesNoWindow) {
  EXPECT_EQ(CreateWindowExW(0, WideText(u"Nobody"), WideText(u""), WS_POPUP, 0, 0, 10, 10, nullptr,
                            nullptr, nullptr, nullptr),
            nullptr);
}

struct Refusal {
  UINT message;
  LRESULT answer;
  std::vector<UINT> expected;
};

// Whether a refused WM_CREATE is followed by WM_DESTROY is in
// StandInRulesTest.cpp: Wine leaves it out.
TEST_F(WindowTest, RefusingCreationEndsTheWindowAtOnce) {
  const Refusal refusals[] = {
      {WM_NCCREATE, FALSE, {WM_NCCREATE, WM_NCDESTROY}},
      {WM_CREATE, -1, {WM_NCCREATE, WM_CREATE, WM_NCDESTROY}},
  };
  for (const Refusal& refusal : refusals) {
    recording::Received().clear();
    recording::AnswerWith(refusal.message, refusal.answer);
    EXPECT_EQ(recording::Create(), nullptr);
    std::vector<UINT> life = recording::LifeMessages();
    std::erase(life, UINT(WM_DESTROY));
    EXPECT_EQ(life, refusal.expected);
  }
}

// Escape posts WM_CLOSE to the game's window, and DefWindowProcW destroys it.
TEST_F(WindowTest, APostedCloseDestroysTheWindow) {
  HWND window = recording::Create();
  recording::Received().clear();
  ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));

  std::vector<MSG> messages = recording::Retrieve(1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].message, UINT(WM_CLOSE));
  DispatchMessageW(&messages[0]);

  EXPECT_EQ(recording::LifeMessages(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(DestroyWindow(window));
}

TEST_F(WindowTest, TheWindowStillAnswersDuringItsDestruction) {
  HWND window = recording::Create();
  std::vector<BOOL> aliveDuring;
  recording::SetAnswer([&](HWND self, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_DESTROY || message == WM_NCDESTROY) aliveDuring.push_back(IsWindow(self));
    return std::nullopt;
  });
  recording::Received().clear();

  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(aliveDuring, (std::vector<BOOL>{TRUE, TRUE}));
  EXPECT_EQ(recording::LifeMessages(), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(WindowTest, ClassNamesAreUniqueAndCopiedOutWithinTheBuffer) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.lpszClassName = WideText(recording::className);
  EXPECT_EQ(RegisterClassExW(&windowClass), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_ALREADY_EXISTS));

  char16_t name[8] = {};
  EXPECT_EQ(GetClassNameW(recording::Create(), WideText(name), 3), 2);
  EXPECT_EQ(std::u16string(name), u"Re");
}

TEST_F(WindowTest, UserDataHoldsAWholePointer) {
  HWND window = recording::Create();
  const auto pointer = LONG_PTR(0x123456789ABCDEF0);

  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, pointer), 0);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), pointer);
  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, pointer), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
}

// How wide the frame is depends on the system's settings; that the client
// area comes out as asked does not.
TEST_F(WindowTest, AWindowOfTheAdjustedSizeHasTheRequestedClientArea) {
  for (DWORD style : {DWORD(0x80CB0000), DWORD(WS_OVERLAPPEDWINDOW), DWORD(WS_POPUP)}) {
    RECT outer;
    ASSERT_TRUE(SetRect(&outer, 0, 0, 1024, 768));
    ASSERT_TRUE(AdjustWindowRect(&outer, style, FALSE));
    HWND window = recording::Create(style, outer);

    RECT client;
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ((std::vector<LONG>{client.left, client.top, client.right, client.bottom}),
              (std::vector<LONG>{0, 0, 1024, 768}))
        << std::hex << style;
  }
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
