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

TEST_F(FileMove, ReplacesAWritableFileOnlyWhenAsked) {
  EXPECT_FALSE(MoveFileExW(u"score.new", u"score", 0));
  EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
  fs::permissions("score", fs::perms::owner_read);
  EXPECT_FALSE(MoveFileExW(u"score.new", u"score", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_EQ(oldScore, ScratchFolder::Read("score"));

  fs::permissions("score", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(
      MoveFileExW(u"score.new", u"score", MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(newScore, ScratchFolder::Read("score"));
  EXPECT_FALSE(fs::exists("score.new"));
}

TEST_F(FileMove, ReportsMissingFilesFoldersAndBadArguments) {
  EXPECT_FALSE(MoveFileExW(u"missing", u"other", MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
  fs::create_directory("folder");
  EXPECT_FALSE(MoveFileExW(u"score.new", u"folder", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_FALSE(MoveFileExW(u"score.new", u"other", 0x2));  // copying across volumes is left out
  EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
  EXPECT_FALSE(MoveFileExW(u"score.new", u"", 0));
  EXPECT_EQ(ERROR_PATH_NOT_FOUND, GetLastError());
  EXPECT_EQ(newScore, ScratchFolder::Read("score.new"));
}

TEST_F(FileMove, TakesWindowsFolderSeparators) {
  fs::create_directory("Data");
  EXPECT_TRUE(MoveFileExW(u"score.new", u"Data\\score", MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(newScore, ScratchFolder::Read("Data/score"));
}

TEST_F(FileMove, DeletesFilesButNotReadOnlyOnes) {
  EXPECT_TRUE(DeleteFileW(u"score.new"));
  EXPECT_FALSE(fs::exists("score.new"));
  EXPECT_FALSE(DeleteFileW(u"score.new"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());

  fs::permissions("score", fs::perms::owner_read);
  EXPECT_FALSE(DeleteFileW(u"score"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_TRUE(fs::exists("score"));
}

}  // namespace
