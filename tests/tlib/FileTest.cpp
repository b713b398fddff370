#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "ThrowsMessage.h"
#include "platform/TestControls.h"
#include "platform/Windows.h"
#include "tlib/File.h"

using tlib::TFile;
using tlib::TFileMode;
using tlib::TString;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A fresh directory per test, removed afterwards, with helpers to look at the
// files from outside TFile.
class FileTest : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("marrowick-") + test->test_suite_name() + "-" + test->name() +
                       "-" + std::to_string(std::random_device()());
    directory_ = std::filesystem::temp_directory_path() / name;
    ASSERT_TRUE(std::filesystem::create_directories(directory_));
  }
  void TearDown() override {
    platform_test::ClearCallFailures();
    std::filesystem::remove_all(directory_);
  }

  std::filesystem::path Native(const std::string& name) const { return directory_ / name; }

  // The path as the game spells it: UTF-16, folders separated by '\'.
  TString GamePath(const std::string& name) const {
    std::u16string path;
    for (char c : Native(name).string()) path += static_cast<char16_t>(c == '/' ? '\\' : c);
    return TString(static_cast<int>(path.size()), path.data());
  }

  void WriteBytes(const std::string& name, const Bytes& bytes) const {
    std::ofstream(Native(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }

  Bytes ReadBytes(const std::string& name) const {
    std::ifstream in(Native(name), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::filesystem::path directory_;
};

}  // namespace

TEST_F(FileTest, ReadingAMissingFileFails) {
  EXPECT_THROWS_MESSAGE(TFile(GamePath("Highscore.dat"), TFileMode::Read, true),
                        u"Failed to open file");
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
  EXPECT_FALSE(std::filesystem::exists(Native("Highscore.dat")));
  EXPECT_THROWS_MESSAGE(TFile(TString(), TFileMode::Read, true), u"Failed to open file");
}

TEST_F(FileTest, WriteReplacesTheContentWithLittleEndianIntegers) {
  WriteBytes("Highscore.dat", Bytes(20, 0xAA));
  {
    TFile file(GamePath("Highscore.dat"), TFileMode::Write, true);
    EXPECT_TRUE(ReadBytes("Highscore.dat").empty());
    file.WriteInt(7);
    file.WriteInt(12);
    file.Close();
  }
  EXPECT_EQ((Bytes{7, 0, 0, 0, 12, 0, 0, 0}), ReadBytes("Highscore.dat"));

  TFile file(GamePath("Highscore.dat"), TFileMode::Read, true);
  EXPECT_EQ(8u, file.GetSize());
  EXPECT_EQ(7, file.ReadInt());
  EXPECT_EQ(12, file.ReadInt());
  EXPECT_FALSE(file.EndOfFile());
  EXPECT_THROWS_MESSAGE(file.ReadInt(), u"Failed to read integer");
  EXPECT_TRUE(file.EndOfFile());
}

TEST_F(FileTest, ShortFilesSetEndOfFile) {
  WriteBytes("two", {1, 2});
  TFile two(GamePath("two"), TFileMode::Read, true);
  EXPECT_THROWS_MESSAGE(two.ReadInt(), u"Failed to read integer");
  EXPECT_TRUE(two.EndOfFile());

  WriteBytes("six", {1, 2, 3, 4, 5, 6});
  TFile six(GamePath("six"), TFileMode::Read, true);
  Bytes buffer(10, 0);
  six.Read(buffer.data(), 10);
  EXPECT_TRUE(six.EndOfFile());
  EXPECT_EQ((Bytes{1, 2, 3, 4, 5, 6, 0, 0, 0, 0}), buffer);

  TFile whole(GamePath("six"), TFileMode::Read, true);
  whole.Read(buffer.data(), whole.GetSize());
  EXPECT_FALSE(whole.EndOfFile());
}

TEST_F(FileTest, AppendCreatesOrWritesAfterTheOldContent) {
  {
    TFile created(GamePath("log"), TFileMode::Append, true);
    created.WriteInt(1);
  }
  {
    TFile appended(GamePath("log"), TFileMode::Append, true);
    appended.WriteInt(-1);
    appended.WriteInt(INT_MIN);
  }
  EXPECT_EQ((Bytes{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}), ReadBytes("log"));
  TFile file(GamePath("log"), TFileMode::Read, true);
  EXPECT_EQ(1, file.ReadInt());
  EXPECT_EQ(-1, file.ReadInt());
  EXPECT_EQ(INT_MIN, file.ReadInt());
}

TEST_F(FileTest, BackslashPathsReachSubfolders) {
  std::filesystem::create_directory(Native("Data"));
  WriteBytes("Data/Jump.wav", {9, 0, 0, 0});
  TFile file(GamePath("Data") + u"\\Jump.wav", TFileMode::Read, true);
  EXPECT_EQ(9, file.ReadInt());
  EXPECT_THROWS_MESSAGE(TFile(GamePath("Data"), TFileMode::Read, true), u"Failed to open file");
}

TEST_F(FileTest, FailedCallsThrowTheirMessages) {
  WriteBytes("data", {1, 2, 3, 4, 5, 6, 7, 8});
  platform_test::FailCall("CreateFileW", ERROR_SHARING_VIOLATION);
  EXPECT_THROWS_MESSAGE(TFile(GamePath("data"), TFileMode::Read, true), u"Failed to open file");
  EXPECT_EQ(ERROR_SHARING_VIOLATION, GetLastError());

  platform_test::FailCall("SetFilePointer", ERROR_NEGATIVE_SEEK);
  EXPECT_THROWS_MESSAGE(TFile(GamePath("data"), TFileMode::Append, true),
                        u"SetFilePointer() failed");

  TFile reading(GamePath("data"), TFileMode::Read, true);
  platform_test::FailCall("ReadFile", ERROR_READ_FAULT, 2);
  std::uint8_t byte = 0;
  EXPECT_THROWS_MESSAGE(reading.Read(&byte, 1), u"ReadFile() failed");
  EXPECT_THROWS_MESSAGE(reading.ReadInt(), u"ReadFile() failed");
  EXPECT_FALSE(reading.EndOfFile());
  platform_test::FailCall("GetFileSize", ERROR_INVALID_HANDLE);
  EXPECT_THROWS_MESSAGE(reading.GetSize(), u"GetFileSize() failed");
  EXPECT_EQ(0x04030201, reading.ReadInt());  // the failed calls moved nothing

  TFile writing(GamePath("out"), TFileMode::Write, true);
  platform_test::FailCall("WriteFile", ERROR_DISK_FULL);
  EXPECT_THROWS_MESSAGE(writing.WriteInt(3), u"WriteFile() failed");
  platform_test::FailCall("CloseHandle", ERROR_INVALID_HANDLE);
  EXPECT_THROWS_MESSAGE(writing.Close(), u"CloseHandle() failed");
}

TEST_F(FileTest, WrongUseOfAHandleIsRefused) {
  TFile writeOnly(GamePath("w"), TFileMode::Write, true);
  EXPECT_THROWS_MESSAGE(writeOnly.ReadInt(), u"ReadFile() failed");
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
  writeOnly.Close();
  EXPECT_THROWS_MESSAGE(writeOnly.WriteInt(1), u"WriteFile() failed");
  EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
  EXPECT_THROWS_MESSAGE(writeOnly.Close(), u"CloseHandle() failed");
}

TEST(WideCharToMultiByte, ConvertsToUtf8) {
  const char16_t text[] = u"Data\\\u00e9\u20ac\U0001F600";
  char buffer[32] = {};
  int needed = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  EXPECT_EQ(15, needed);  // 5 ASCII, 2 + 3 + 4 bytes, and the terminator
  ASSERT_EQ(needed, WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, 32, nullptr, nullptr));
  EXPECT_EQ(std::string("Data\\\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), buffer);

  const char16_t lone[] = {0xD800, u'x'};
  char replaced[8] = {'#', '#', '#', '#', '#'};
  EXPECT_EQ(4, WideCharToMultiByte(CP_UTF8, 0, lone, 2, replaced, 8, nullptr, nullptr));
  EXPECT_EQ(std::string("\xEF\xBF\xBDx#"), replaced);  // an explicit length adds no NUL
}

TEST(WideCharToMultiByte, ReportsBadArguments) {
  char small[3] = {};
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, u"abc", -1, small, 3, nullptr, nullptr));
  EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());
  EXPECT_EQ(0, WideCharToMultiByte(1252, 0, u"abc", -1, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, u"abc", 3, nullptr, 4, nullptr, nullptr));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
}

// The preloader reads sound files on its thread while the main thread reads
// and writes the high-score file: handles and last errors must not mix.
class FileThreads : public FileTest {
 protected:
  void WriteAndReadBack(const std::string& name, int rounds) {
    for (int round = 0; round < rounds; ++round) {
      {
        TFile file(GamePath(name), TFileMode::Write, true);
        file.WriteInt(round);
        file.Close();
      }
      TFile file(GamePath(name), TFileMode::Read, true);
      EXPECT_EQ(round, file.ReadInt());
      file.Close();
      EXPECT_THROWS_MESSAGE(TFile(GamePath(name + ".missing"), TFileMode::Read, true),
                            u"Failed to open file");
      EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
    }
  }
};

TEST_F(FileThreads, TwoThreadsUseTheirOwnFiles) {
  SetLastError(ERROR_SUCCESS);
  std::thread worker([this] { WriteAndReadBack("Jump.wav", 100); });
  WriteAndReadBack("Highscore.dat", 100);
  worker.join();
  SetLastError(ERROR_DISK_FULL);
  std::thread other([] { EXPECT_EQ(ERROR_SUCCESS, GetLastError()); });
  other.join();
  EXPECT_EQ(ERROR_DISK_FULL, GetLastError());
}
