#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "ScratchFolder.h"
#include "StoredResult.h"
#include "app/HighScore.h"
#include "platform/testing/TestControls.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Result = std::optional<std::pair<int, int>>;

class HighScore : public testing::Test {
 protected:
  void TearDown() override { platform_test::ClearCallFailures(); }

  // The best result the way the title screen asks for it.
  Result Best() const {
    int saved = 0;
    int splatted = 0;
    if (!highScore_.Get(saved, splatted)) return std::nullopt;
    return std::make_pair(saved, splatted);
  }

  Result LoadedFrom(const Bytes& file, const char* failingCall = nullptr) {
    ScratchFolder::Write("Highscore.dat", file);
    if (failingCall != nullptr) platform_test::FailCall(failingCall, ERROR_READ_FAULT);
    highScore_.Load();
    return Best();
  }

  ScratchFolder folder_;
  CHighScore highScore_;
};

TEST_F(HighScore, LoadsTheFirstEightBytesOfTheFileOrNoBestResult) {
  highScore_.Load();
  EXPECT_EQ(std::nullopt, Best()) << "no file";
  Bytes file = StoredResult(12, -5);
  file.insert(file.end(), {1, 2, 3, 4, 5});
  EXPECT_EQ(Result({12, -5}), LoadedFrom(file));
  for (std::ptrdiff_t length = 0; length < 8; ++length) {
    EXPECT_EQ(std::nullopt, LoadedFrom(Bytes(file.begin(), file.begin() + length))) << length;
  }
  for (const char* call : {"CreateFileW", "ReadFile", "CloseHandle"}) {
    EXPECT_EQ(std::nullopt, LoadedFrom(file, call)) << call;
  }
}

// A new best replaces the stored one only once it is written in full.
TEST_F(HighScore, OnlyStrictlyMoreSavedFrogsMakeANewBestWhichIsStoredWhenItCanBe) {
  highScore_.Load();
  highScore_.Report(0, 100);
  EXPECT_EQ(StoredResult(0, 100), ScratchFolder::Read("Highscore.dat"));
  highScore_.Report(12, 30);
  highScore_.Report(12, 0);
  highScore_.Report(11, 0);
  EXPECT_EQ(Result({12, 30}), Best());
  for (const char* call : {"CreateFileW", "WriteFile", "CloseHandle", "MoveFileExW"}) {
    platform_test::FailCall(call, ERROR_DISK_FULL);
    int saved = Best()->first + 1;
    highScore_.Report(saved, 0);
    EXPECT_EQ(Result({saved, 0}), Best()) << call;
    EXPECT_EQ(StoredResult(12, 30), ScratchFolder::Read("Highscore.dat")) << call;
    EXPECT_FALSE(fs::exists("Highscore.dat.new")) << call;
  }
  highScore_.Report(50, 50);  // the next new best is stored again
  EXPECT_EQ(StoredResult(50, 50), ScratchFolder::Read("Highscore.dat"));
  EXPECT_FALSE(fs::exists("Highscore.dat.new"));
}

}  // namespace
