#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "ScratchFolder.h"
#include "ThrowsMessage.h"
#include "platform/TestControls.h"
#include "platform/Windows.h"
#include "tlib/File.h"

using tlib::TFile;
using tlib::TFileMode;
using tlib::TString;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Each test runs in a fresh current folder; call failures it arranged but did
// not use are forgotten afterwards.
class FileTest : public testing::Test {
 protected:
  void TearDown() override { platform_test::ClearCallFailures(); }
  ScratchFolder folder_;
};

}  // namespace

TEST_F(FileTest, ReadingAMissingFileFailsAndCreatesNothing) {
  EXPECT_THROWS_MESSAGE(TFile(u"Highscore.dat", TFileMode::Read, true), u"Failed to open file");
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
  EXPECT_FALSE(std::filesystem::exists("Highscore.dat"));
  EXPECT_THROWS_MESSAGE(TFile(TString(), TFileMode::Read, true), u"Failed to open file");
}

TEST_F(FileTest, WriteReplacesTheContentWithLittleEndianIntegers) {
  ScratchFolder::Write("Highscore.dat", Bytes(20, 0xAA));
  {
    TFile file(u"Highscore.dat", TFileMode::Write, true);
    EXPECT_TRUE(ScratchFolder::Read("Highscore.dat").empty());
    file.WriteInt(7);
    file.WriteInt(-2);
  }
  EXPECT_EQ((Bytes{7, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}), ScratchFolder::Read("Highscore.dat"));
  TFile file(u"Highscore.dat", TFileMode::Read, true);
  EXPECT_EQ(8u, file.GetSize());
  EXPECT_EQ(7, file.ReadInt());
  EXPECT_EQ(-2, file.ReadInt());
  EXPECT_FALSE(file.EndOfFile());
  EXPECT_THROWS_MESSAGE(file.ReadInt(), u"Failed to read integer");
  EXPECT_TRUE(file.EndOfFile());
}

TEST_F(FileTest, ShortFilesSetEndOfFile) {
  ScratchFolder::Write("six", {1, 2, 3, 4, 5, 6});
  TFile six(u"six", TFileMode::Read, true);
  EXPECT_EQ(0x04030201, six.ReadInt());
  EXPECT_THROWS_MESSAGE(six.ReadInt(), u"Failed to read integer");
  EXPECT_TRUE(six.EndOfFile());

  TFile whole(u"six", TFileMode::Read, true);
  Bytes buffer(10, 0);
  whole.Read(buffer.data(), 6);
  EXPECT_FALSE(whole.EndOfFile());
  whole.Read(buffer.data(), 1);
  EXPECT_TRUE(whole.EndOfFile());
}

TEST_F(FileTest, AppendCreatesOrWritesAfterTheOldContentUnderUtf8Paths) {
  std::filesystem::create_directory("Data");
  for (int value : {1, INT_MIN}) {
    TFile(u"Data\\\u00e9\U0001F600", TFileMode::Append, true).WriteInt(value);
  }
  EXPECT_EQ((Bytes{1, 0, 0, 0, 0, 0, 0, 0x80}),
            ScratchFolder::Read("Data/\xC3\xA9\xF0\x9F\x98\x80"));
  EXPECT_THROWS_MESSAGE(TFile(u"Data", TFileMode::Read, true), u"Failed to open file");
}

TEST_F(FileTest, FailedCallsThrowTheirMessagesAndMoveNothing) {
  ScratchFolder::Write("data", {1, 2, 3, 4, 5, 6, 7, 8});
  platform_test::FailCall("CreateFileW", ERROR_SHARING_VIOLATION);
  EXPECT_THROWS_MESSAGE(TFile(u"data", TFileMode::Read, true), u"Failed to open file");
  EXPECT_EQ(ERROR_SHARING_VIOLATION, GetLastError());
  platform_test::FailCall("SetFilePointer", ERROR_NEGATIVE_SEEK);
  EXPECT_THROWS_MESSAGE(TFile(u"data", TFileMode::Append, true), u"SetFilePointer() failed");

  TFile reading(u"data", TFileMode::Read, true);
  platform_test::FailCall("ReadFile", ERROR_READ_FAULT, 2);
  std::uint8_t byte = 0;
  EXPECT_THROWS_MESSAGE(reading.Read(&byte, 1), u"ReadFile() failed");
  EXPECT_THROWS_MESSAGE(reading.ReadInt(), u"ReadFile() failed");
  EXPECT_FALSE(reading.EndOfFile());
  platform_test::FailCall("GetFileSize", ERROR_INVALID_HANDLE);
  EXPECT_THROWS_MESSAGE(reading.GetSize(), u"GetFileSize() failed");
  EXPECT_EQ(0x04030201, reading.ReadInt());

  TFile writing(u"out", TFileMode::Write, true);
  platform_test::FailCall("WriteFile", ERROR_DISK_FULL);
  EXPECT_THROWS_MESSAGE(writing.WriteInt(3), u"WriteFile() failed");
  EXPECT_THROWS_MESSAGE(writing.ReadInt(), u"ReadFile() failed");  // opened for writing only
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  writing.Close();
  EXPECT_THROWS_MESSAGE(writing.WriteInt(1), u"WriteFile() failed");
  EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
  EXPECT_THROWS_MESSAGE(writing.Close(), u"CloseHandle() failed");
}

TEST(WideCharToMultiByte, RefusesABufferTooSmallForTheTerminator) {
  char buffer[3] = {};
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, u"abc", -1, buffer, 3, nullptr, nullptr));
  EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());
}

namespace {

// Writes and reads back a file, and fails to open a missing one, many times.
void WriteAndReadBack(const TString& path) {
  for (int round = 0; round < 100; ++round) {
    TFile(path, TFileMode::Write, true).WriteInt(round);
    EXPECT_EQ(round, TFile(path, TFileMode::Read, true).ReadInt());
    EXPECT_THROWS_MESSAGE(TFile(path + u".missing", TFileMode::Read, true), u"Failed to open file");
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
  }
}

}  // namespace

// The preloader reads sound files on its thread while the main thread reads
// and writes the high-score file: handles and last errors must not mix.
TEST(FileThreads, TwoThreadsUseTheirOwnFilesAndLastErrors) {
  ScratchFolder folder;
  std::thread worker([] { WriteAndReadBack(u"Jump.wav"); });
  WriteAndReadBack(u"Highscore.dat");
  worker.join();
  SetLastError(ERROR_DISK_FULL);
  std::thread other([] { EXPECT_EQ(ERROR_SUCCESS, GetLastError()); });
  other.join();
  EXPECT_EQ(ERROR_DISK_FULL, GetLastError());
}
