#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "ScratchFolder.h"
#include "ThrowsMessage.h"
#include "platform/Windows.h"
#include "tlib/File.h"

using tlib::TFile;
using tlib::TFileMode;
using tlib::TString;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Each test runs in a fresh current folder.
class FileTest : public testing::Test {
 protected:
  ScratchFolder folder_;
};

}  // namespace

TEST_F(FileTest, ReadingAMissingFileFailsAndCreatesNothing) {
  EXPECT_THROWS_MESSAGE(TFile(u"Highscore.dat", TFileMode::Read, true), u"Failed to open file");
  EXPECT_FALSE(std::filesystem::exists("Highscore.dat"));
  EXPECT_THROWS_MESSAGE(TFile(TString(), TFileMode::Read, true), u"Failed to open file");
}

namespace {

// CreateFileW as TFile opens its three modes, on a file that is there or not.
// The last error is read at once: Windows' own run-time resets it on the way
// out of a throw.
struct Opening {
  DWORD access;
  DWORD disposition;
  bool exists;
  bool opens;
  DWORD error;
  Bytes contentAfter;
};

}  // namespace

TEST_F(FileTest, CreateFileOpensCreatesOrEmptiesAsItsDispositionSays) {
  const Bytes old = {1, 2, 3};
  const Opening openings[] = {
      {GENERIC_READ, OPEN_EXISTING, true, true, ERROR_SUCCESS, old},
      {GENERIC_READ, OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, {}},
      {GENERIC_WRITE, CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, {}},
      {GENERIC_WRITE, CREATE_ALWAYS, false, true, ERROR_SUCCESS, {}},
      {GENERIC_WRITE, OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, old},
      {GENERIC_WRITE, OPEN_ALWAYS, false, true, ERROR_SUCCESS, {}},
  };
  for (const Opening& opening : openings) {
    std::filesystem::remove("file");
    if (opening.exists) ScratchFolder::Write("file", old);
    HANDLE file = CreateFileW(WideText(u"file"), opening.access, FILE_SHARE_READ, nullptr,
                              opening.disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    const std::string which =
        std::to_string(opening.disposition) + (opening.exists ? " on a file" : " on none");
    EXPECT_EQ(opening.opens, file != INVALID_HANDLE_VALUE) << which;
    EXPECT_EQ(opening.error, error) << which;
    if (file != INVALID_HANDLE_VALUE) {
      EXPECT_TRUE(CloseHandle(file));
    }
    EXPECT_EQ(opening.opens || opening.exists, std::filesystem::exists("file")) << which;
    if (std::filesystem::exists("file")) {
      EXPECT_EQ(opening.contentAfter, ScratchFolder::Read("file")) << which;
    }
  }
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
            ScratchFolder::Read(std::filesystem::path(u"Data/\u00e9\U0001F600")));
  EXPECT_THROWS_MESSAGE(TFile(u"Data", TFileMode::Read, true), u"Failed to open file");
}

TEST(WideCharToMultiByte, RefusesABufferTooSmallForTheTerminator) {
  char buffer[3] = {};
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, WideText(u"abc"), -1, buffer, 3, nullptr, nullptr));
  EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());
}

namespace {

// Writes and reads back a file, and fails to open a missing one, many times.
void WriteAndReadBack(const TString& path) {
  const TString missing = path + u".missing";
  for (int round = 0; round < 100; ++round) {
    TFile(path, TFileMode::Write, true).WriteInt(round);
    EXPECT_EQ(round, TFile(path, TFileMode::Read, true).ReadInt());
    HANDLE none = CreateFileW(WideText(missing.CStr()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
    EXPECT_EQ(INVALID_HANDLE_VALUE, none);
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

  // Each thread sets its own last error while the other holds one; between
  // setting and reading it, each only spins on a flag, which calls nothing
  // that could change it.
  std::atomic<int> step{0};
  std::thread other([&] {
    while (step != 1) {
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    step = 2;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
  });
  SetLastError(ERROR_DISK_FULL);
  step = 1;
  while (step != 2) {
  }
  EXPECT_EQ(ERROR_DISK_FULL, GetLastError());
  other.join();
}
