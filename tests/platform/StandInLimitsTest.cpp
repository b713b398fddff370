// Requests the program never makes, which the stand-ins turn down with
// ERROR_INVALID_PARAMETER where Windows would carry them out: a thread without
// code or one that starts suspended, and a move that may copy across volumes.
// Refusing them keeps the stand-ins small without pretending to do them.
#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "platform/Windows.h"
#include "platform/testing/TestControls.h"

namespace {

// Never runs: each of these threads is refused.
constexpr LPTHREAD_START_ROUTINE doNothing = [](LPVOID) -> DWORD { return 0; };

TEST(StandInLimits, ThreadsStartAtOnceWithCodeToRunOrNotAtAll) {
  EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(CreateThread(nullptr, 0, doNothing, nullptr, 4 /* CREATE_SUSPENDED */, nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  platform_test::FailCall("CreateThread", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(CreateThread(nullptr, 0, doNothing, nullptr, 0, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
}

TEST(StandInLimits, FilesMoveWithoutCopying) {
  ScratchFolder folder;
  ScratchFolder::Write("score.new", {1});
  EXPECT_FALSE(MoveFileExW(u"score.new", u"other", 0x2 /* MOVEFILE_COPY_ALLOWED */));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
