#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "StoredResult.h"
#include "app/HighScore.h"
#include "platform/Windows.h"
#include "platform/testing/TestControls.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class HighScore : public testing::Test {
 protected:
  void TearDown() override { platform_test::ClearCallFailures(); }

  // The best result the way the title screen asks for it; (-99, -99) stands for none.
  std::pair<int, int> Best() const {
    int saved = -99;
    int splatted = -99;
    bool known = highScore_.Get(saved, splatted);
    EXPECT_EQ(known, saved != -99);
    return {saved, splatted};
  }

  void StartWith(const Bytes& file) {
    ScratchFolder::Write("Highscore.dat", file);
    highScore_.Load();
  }

  static Bytes FileNow() { return ScratchFolder::Read("Highscore.dat"); }

  ScratchFolder folder_;
  CHighScore highScore_;
};

const std::pair<int, int> none = {-99, -99};

TEST_F(HighScore, WithoutAFileTheFirstResultBecomesTheBestAndIsStored) {
  highScore_.Load();
  EXPECT_EQ(none, Best());
  highScore_.Report(0, 100);
  EXPECT_EQ(std::make_pair(0, 100), Best());
  EXPECT_EQ(StoredResult(0, 100), FileNow());
  EXPECT_FALSE(fs::exists("Highscore.dat.new"));
}

TEST_F(HighScore, AShortFileMeansNoBestResultAndIsOverwritten) {
  for (std::size_t length = 0; length < 8; ++length) {
    Bytes shortFile = StoredResult(40, 2);
    shortFile.resize(length);
    StartWith(shortFile);
    EXPECT_EQ(none, Best()) << length << " bytes";
  }
  highScore_.Report(3, 97);
  EXPECT_EQ(StoredResult(3, 97), FileNow());
}

TEST_F(HighScore, ALongerFileGivesItsFirstEightBytes) {
  Bytes longFile = StoredResult(12, -5);
  longFile.insert(longFile.end(), {1, 2, 3, 4, 5});
  StartWith(longFile);
  EXPECT_EQ(std::make_pair(12, -5), Best());
}

TEST_F(HighScore, OnlyStrictlyMoreSavedFrogsReplaceTheBest) {
  StartWith(StoredResult(12, 30));
  highScore_.Report(12, 0);
  highScore_.Report(11, 0);
  EXPECT_EQ(std::make_pair(12, 30), Best());
  EXPECT_EQ(StoredResult(12, 30), FileNow());

  highScore_.Report(13, 87);
  EXPECT_EQ(std::make_pair(13, 87), Best());
  EXPECT_EQ(StoredResult(13, 87), FileNow());
}

TEST_F(HighScore, AFileThatCannotBeReplacedKeepsTheNewBestInMemory) {
  StartWith(StoredResult(5, 95));
  fs::permissions("Highscore.dat", fs::perms::owner_read | fs::perms::group_read);
  highScore_.Report(6, 94);
  EXPECT_EQ(std::make_pair(6, 94), Best());
  EXPECT_EQ(StoredResult(5, 95), FileNow());
  EXPECT_FALSE(fs::exists("Highscore.dat.new"));
}

TEST_F(HighScore, AFailedWriteLeavesTheStoredBestAsItWas) {
  StartWith(StoredResult(5, 95));
  for (const char* call : {"CreateFileW", "WriteFile", "CloseHandle", "MoveFileExW"}) {
    platform_test::FailCall(call, ERROR_DISK_FULL);
    int saved = Best().first + 1;
    highScore_.Report(saved, 0);
    EXPECT_EQ(std::make_pair(saved, 0), Best()) << call;
    EXPECT_EQ(StoredResult(5, 95), FileNow()) << call;
    EXPECT_FALSE(fs::exists("Highscore.dat.new")) << call;
  }
  highScore_.Report(50, 50);  // the next new best is stored again
  EXPECT_EQ(StoredResult(50, 50), FileNow());
}

TEST_F(HighScore, AnUnreadableFileMeansNoBestResult) {
  StartWith(StoredResult(7, 7));
  for (const char* call : {"CreateFileW", "ReadFile", "CloseHandle"}) {
    platform_test::FailCall(call, ERROR_READ_FAULT);
    highScore_.Load();
    EXPECT_EQ(none, Best()) << call;
  }
  fs::remove("Highscore.dat");
  fs::create_directory("Highscore.dat");
  highScore_.Load();
  EXPECT_EQ(none, Best());
  highScore_.Report(1, 2);  // a folder in the way is not replaced
  EXPECT_EQ(std::make_pair(1, 2), Best());
  EXPECT_TRUE(fs::is_directory("Highscore.dat"));
}

}  // namespace
