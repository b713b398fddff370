// Names of files that differ only in case name the same file, as on Windows: a
// game whose Data folder was copied from Windows finds "data\title.bmp" in
// Data/Title.bmp, and its best result is replaced instead of doubled.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "ScratchFolder.h"
#include "platform/Windows.h"
#include "tests/render/BmpFile.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

HANDLE Open(const char16_t* name, DWORD access, DWORD disposition) {
  return CreateFileW(WideText(name), access, FILE_SHARE_READ, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

class FileNameCase : public testing::Test {
 protected:
  FileNameCase() {
    fs::create_directory("Data");
    ScratchFolder::Write("Data/Title.bmp", {1, 2, 3});
  }

  ScratchFolder folder_;
};

TEST_F(FileNameCase, OpeningAndLoadingFindTheNameThatDiffersOnlyInCase) {
  for (const char16_t* name : {u"Data\\Title.bmp", u"data\\title.bmp", u"DATA\\TITLE.BMP"}) {
    HANDLE file = Open(name, GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    EXPECT_EQ(3u, GetFileSize(file, nullptr));
    CloseHandle(file);
  }
  EXPECT_EQ(INVALID_HANDLE_VALUE, Open(u"data\\Titles.bmp", GENERIC_READ, OPEN_EXISTING));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());

  ScratchFolder::Write(
      "Data/Road7.bmp",
      bmp_test::EncodeBmp({.width = 3, .height = 2, .pixels = bmp_test::sixColours}));
  HANDLE image = LoadImageW(nullptr, WideText(u"data\\ROAD7.bmp"), IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  EXPECT_NE(nullptr, image);
  DeleteObject(image);
}

// Writing, replacing and deleting reach the existing file instead of making a
// second one beside it; a name that matches nothing is created as written.
TEST_F(FileNameCase, WritingReplacingAndDeletingKeepOneFile) {
  CloseHandle(Open(u"data\\TITLE.bmp", GENERIC_WRITE, CREATE_ALWAYS));
  EXPECT_EQ(0u, fs::file_size("Data/Title.bmp"));
  CloseHandle(Open(u"DATA\\Jump.wav", GENERIC_WRITE, CREATE_ALWAYS));
  EXPECT_EQ((std::set<std::string>{"Jump.wav", "Title.bmp"}), Names("Data"));

  ScratchFolder::Write("score.new", {'n'});
  ScratchFolder::Write("score", {'o'});
  EXPECT_TRUE(MoveFileExW(WideText(u"Score.NEW"), WideText(u"SCORE"), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ((std::set<std::string>{"Data", "score"}), Names("."));
  EXPECT_EQ(Bytes{'n'}, ScratchFolder::Read("score"));
  EXPECT_TRUE(DeleteFileW(WideText(u"Score")));
  EXPECT_EQ(std::set<std::string>{"Data"}, Names("."));
}

}  // namespace
