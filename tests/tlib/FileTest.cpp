#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cstdint>
#include <thread>
#include <vector>

#include "ScratchFolder.h"
#include "ThrowsMessage.h"
#include "platform/Windows.h"
#include "tlib/File.h"

using tlib::TFile;
using tlib::TFileMode;
using Bytes = std::vector<std::uint8_t>;

TEST(File, OnlyExistingFilesOpenForReadingAndNothingIsCreatedMeanwhile) {
  ScratchFolder folder;
  std::filesystem::create_directory("Data");
  for (const tlib::TString& path :
       {tlib::TString(u"Highscore.dat"), tlib::TString(), tlib::TString(u"Data")}) {
    EXPECT_THROWS_MESSAGE(TFile(path, TFileMode::Read, true), u"Failed to open file");
  }
  EXPECT_FALSE(std::filesystem::exists("Highscore.dat"));
}

TEST(File, WriteReplacesTheContentWithLittleEndianIntegersAndShortReadsSetEndOfFile) {
  ScratchFolder folder;
  ScratchFolder::Write("Highscore.dat", Bytes(20, 0xAA));
  {
    TFile file(u"Highscore.dat", TFileMode::Write, true);
    EXPECT_TRUE(ScratchFolder::Read("Highscore.dat").empty());
    file.WriteInt(7);
    file.WriteInt(-2);
  }
  EXPECT_EQ((Bytes{7, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}), ScratchFolder::Read("Highscore.dat"));
  ScratchFolder::Write("six", {1, 2, 3, 4, 5, 6});
  TFile six(u"six", TFileMode::Read, true);
  EXPECT_EQ(6u, six.GetSize());
  EXPECT_EQ(0x04030201, six.ReadInt());
  EXPECT_FALSE(six.EndOfFile());
  EXPECT_THROWS_MESSAGE(six.ReadInt(), u"Failed to read integer");
  EXPECT_TRUE(six.EndOfFile());
  TFile whole(u"six", TFileMode::Read, true);
  Bytes buffer(10, 0);
  whole.Read(buffer.data(), 5);
  EXPECT_FALSE(whole.EndOfFile());
  whole.Read(buffer.data(), 2);  // one byte left
  EXPECT_TRUE(whole.EndOfFile());
}

TEST(File, AppendCreatesOrWritesAfterTheOldContentUnderUtf8Paths) {
  ScratchFolder folder;
  std::filesystem::create_directory("Data");
  for (int value : {1, INT_MIN}) {
    TFile(u"Data\\\u00e9\U0001F600", TFileMode::Append, true).WriteInt(value);
  }
  EXPECT_EQ((Bytes{1, 0, 0, 0, 0, 0, 0, 0x80}),
            ScratchFolder::Read(std::filesystem::path(u"Data/\u00e9\U0001F600")));
}

// The preloader reads sound files on its thread while the main thread reads
// and writes the high-score file: handles and last errors must not mix.
TEST(FileThreads, TwoThreadsUseTheirOwnFilesAndLastErrors) {
  ScratchFolder folder;
  auto writeAndReadBack = [](const tlib::TString& path) {
    for (int round = 0; round < 100; ++round) {
      TFile(path, TFileMode::Write, true).WriteInt(round);
      EXPECT_EQ(round, TFile(path, TFileMode::Read, true).ReadInt());
    }
  };
  // Each thread makes its own name: strings share their text without locks.
  std::thread worker([&] { writeAndReadBack(u"Jump.wav"); });
  writeAndReadBack(u"Highscore.dat");
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
