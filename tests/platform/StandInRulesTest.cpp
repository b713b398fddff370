// Windows' rules that the stand-ins keep and that Wine, on which the Windows
// build's tests run here, does not: so they are checked on the stand-ins only.
// Wine calls the procedure again when a window destroys itself during its
// destruction.
#include "RecordingWindow.h"

namespace {

using StandInRules = RecordingTest;

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
  EXPECT_EQ(recording::Received(), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

}  // namespace
