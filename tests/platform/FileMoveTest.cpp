#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "platform/Windows.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes oldScore = {'o', 'l', 'd'};
const Bytes newScore = {'n', 'e', 'w'};

class FileMove : public testing::Test {
 protected:
  void SetUp() override {
    ScratchFolder::Write("score.new", newScore);
    ScratchFolder::Write("score", oldScore);
  }

  ScratchFolder folder_;
};

// That a read-only file is not replaced is in StandInRulesTest.cpp: Wine
// running as root replaces it.
TEST_F(FileMove, ReplacesAnExistingFileOnlyWhenAsked) {
  EXPECT_FALSE(MoveFileExW(WideText(u"score.new"), WideText(u"score"), 0));
  EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
  EXPECT_EQ(oldScore, ScratchFolder::Read("score"));

  EXPECT_TRUE(MoveFileExW(WideText(u"score.new"), WideText(u"score"),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(newScore, ScratchFolder::Read("score"));
  EXPECT_FALSE(fs::exists("score.new"));
}

TEST_F(FileMove, ReportsMissingFilesFoldersAndBadArguments) {
  EXPECT_FALSE(MoveFileExW(WideText(u"missing"), WideText(u"other"), MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
  fs::create_directory("folder");
  EXPECT_FALSE(MoveFileExW(WideText(u"score.new"), WideText(u"folder"), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_FALSE(MoveFileExW(WideText(u"score.new"), WideText(u""), 0));
  EXPECT_EQ(ERROR_PATH_NOT_FOUND, GetLastError());
  EXPECT_EQ(newScore, ScratchFolder::Read("score.new"));
}

TEST_F(FileMove, TakesWindowsFolderSeparators) {
  fs::create_directory("Data");
  EXPECT_TRUE(
      MoveFileExW(WideText(u"score.new"), WideText(u"Data\\score"), MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(newScore, ScratchFolder::Read("Data/score"));
}

TEST_F(FileMove, DeletesFilesButNotReadOnlyOnes) {
  EXPECT_TRUE(DeleteFileW(WideText(u"score.new")));
  EXPECT_FALSE(fs::exists("score.new"));
  EXPECT_FALSE(DeleteFileW(WideText(u"score.new")));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());

  fs::permissions("score", fs::perms::owner_read);
  EXPECT_FALSE(DeleteFileW(WideText(u"score")));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_TRUE(fs::exists("score"));
}

}  // namespace
