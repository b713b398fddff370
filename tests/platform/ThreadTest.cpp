// kernel32 threads: start, wait, close.
#include <gtest/gtest.h>

#include <future>

#include "platform/Windows.h"

namespace {

DWORD WINAPI WaitForFuture(LPVOID parameter) {
  static_cast<std::shared_future<void>*>(parameter)->wait();
  return 0;
}

TEST(KernelThreads, ThreadsRunAtOnceAndCanBeWaitedFor) {
  std::promise<void> gate;
  std::shared_future<void> opened = gate.get_future().share();
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, WaitForFuture, &opened, 0, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_NE(id, 0u);

  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_TIMEOUT);
  gate.set_value();
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);

  EXPECT_TRUE(CloseHandle(thread));
  EXPECT_FALSE(CloseHandle(thread));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);
}

}  // namespace
