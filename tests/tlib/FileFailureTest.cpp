// TFile when the system calls under it fail: each failure becomes the call's
// message, and the file position does not move.
#include <gtest/gtest.h>

#include <cstdint>

#include "ScratchFolder.h"
#include "ThrowsMessage.h"
#include "platform/Windows.h"
#include "platform/testing/TestControls.h"
#include "tlib/File.h"

using tlib::TFile;
using tlib::TFileMode;

namespace {

// Each test runs in a fresh current folder; call failures it arranged but did
// not use are forgotten afterwards.
class FileFailure : public testing::Test {
 protected:
  void TearDown() override { platform_test::ClearCallFailures(); }
  ScratchFolder folder_;
};

}  // namespace

TEST_F(FileFailure, FailedCallsThrowTheirMessagesAndMoveNothing) {
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
