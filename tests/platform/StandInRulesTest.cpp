// Windows' rules that the stand-ins keep and that Wine, on which the Windows
// build's tests run here, does not: so they are checked on the stand-ins only.
// Wine reports an unknown class as ERROR_CLASS_DOES_NOT_EXIST, a destroyed
// window to DestroyWindow as ERROR_ACCESS_DENIED and to DispatchMessageW,
// PostMessageW and SetTimer as ERROR_INVALID_HANDLE; it skips WM_DESTROY when WM_CREATE refuses,
// and calls the procedure again when a window destroys itself during its destruction. Running as
// root, it also replaces read-only files.
#include <filesystem>

#include "RecordingWindow.h"
#include "ScratchFolder.h"

namespace {

using StandInRules = RecordingTest;

TEST_F(StandInRules, AnUnknownClassCannotBeFound) {
  EXPECT_EQ(CreateWindowExW(0, u"Nobody", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
}

TEST_F(StandInRules, ARefusedCreateDestroysTheWindowTheUsualWay) {
  recording::AnswerWith(WM_CREATE, -1);
  EXPECT_EQ(recording::Create(), nullptr);
  EXPECT_EQ(recording::LifeMessages(),
            (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(StandInRules, ADestroyedWindowIsAnInvalidWindowHandle) {
  HWND window = recording::Create();
  ASSERT_TRUE(PostMessageW(window, WM_USER, 0, 0));
  std::vector<MSG> posted = recording::Retrieve(1);
  ASSERT_TRUE(DestroyWindow(window));

  EXPECT_FALSE(DestroyWindow(window));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(DispatchMessageW(&posted[0]), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(PostMessageW(window, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetTimer(window, 1, 20, nullptr), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(StandInRules, DestroyingAWindowAgainDuringItsDestructionDoesNothingMore) {
  HWND window = recording::Create();
  recording::SetAnswer([&](HWND self, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_DESTROY || message == WM_NCDESTROY) {
      EXPECT_TRUE(DestroyWindow(self));
    }
    return std::nullopt;
  });
  recording::Received().clear();

  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(recording::LifeMessages(), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST(StandInFileRules, AReadOnlyFileIsNotReplaced) {
  ScratchFolder folder;
  ScratchFolder::Write("score.new", {'n'});
  ScratchFolder::Write("score", {'o'});
  std::filesystem::permissions("score", std::filesystem::perms::owner_read);
  EXPECT_FALSE(MoveFileExW(u"score.new", u"score", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_EQ(ScratchFolder::Read("score"), std::vector<std::uint8_t>{'o'});
}

}  // namespace
