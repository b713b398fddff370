#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "platform/Windows.h"

namespace fs = std::filesystem;

namespace {

class FileMove : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("marrowick-move-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  static void Write(const char* name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
  }
  static std::string Read(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

 private:
  fs::path folder_;
  fs::path previous_;
};

TEST_F(FileMove, ReplacesAnExistingFileWhenAsked) {
  Write("score.new", "new");
  Write("score", "old");
  EXPECT_TRUE(
      MoveFileExW(u"score.new", u"score", MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ("new", Read("score"));
  EXPECT_FALSE(fs::exists("score.new"));
}

TEST_F(FileMove, KeepsAnExistingFileUnlessAskedToReplaceIt) {
  Write("score.new", "new");
  Write("score", "old");
  EXPECT_FALSE(MoveFileExW(u"score.new", u"score", 0));
  EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
  EXPECT_EQ("old", Read("score"));
  EXPECT_EQ("new", Read("score.new"));
}

TEST_F(FileMove, NeverReplacesAReadOnlyFileOrAFolder) {
  Write("score.new", "new");
  Write("score", "old");
  fs::permissions("score", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(MoveFileExW(u"score.new", u"score", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_EQ("old", Read("score"));

  fs::create_directory("folder");
  EXPECT_FALSE(MoveFileExW(u"score.new", u"folder", MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_TRUE(fs::is_directory("folder"));
}

TEST_F(FileMove, ReportsMissingFilesAndBadArguments) {
  EXPECT_FALSE(MoveFileExW(u"missing", u"score", MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
  EXPECT_FALSE(MoveFileExW(u"missing", u"score", 0));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());

  Write("score.new", "new");
  EXPECT_FALSE(MoveFileExW(u"score.new", u"score", 0x2));  // copying between volumes is not offered
  EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
  EXPECT_FALSE(MoveFileExW(nullptr, u"score", 0));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
  EXPECT_FALSE(MoveFileExW(u"score.new", u"", 0));
  EXPECT_EQ(ERROR_PATH_NOT_FOUND, GetLastError());
  EXPECT_EQ("new", Read("score.new"));
}

TEST_F(FileMove, TakesWindowsFolderSeparators) {
  fs::create_directory("Data");
  Write("score.new", "new");
  EXPECT_TRUE(MoveFileExW(u"score.new", u"Data\\score", MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ("new", Read("Data/score"));
}

TEST_F(FileMove, DeletesFilesButNotReadOnlyOnesOrFolders) {
  Write("score.new", "new");
  EXPECT_TRUE(DeleteFileW(u"score.new"));
  EXPECT_FALSE(fs::exists("score.new"));
  EXPECT_FALSE(DeleteFileW(u"score.new"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());

  Write("score", "old");
  fs::permissions("score", fs::perms::owner_read);
  EXPECT_FALSE(DeleteFileW(u"score"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  fs::create_directory("folder");
  EXPECT_FALSE(DeleteFileW(u"folder"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  EXPECT_TRUE(fs::exists("score"));
}

}  // namespace
