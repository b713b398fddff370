// kernel32 threads: start, wait, close.
#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "platform/TestControls.h"
#include "platform/Windows.h"

namespace {

struct Gate {
  std::promise<void> open;
  std::shared_future<void> opened = open.get_future().share();
  std::atomic<bool> passed{false};
};

DWORD WINAPI WaitAtGate(LPVOID parameter) {
  auto* gate = static_cast<Gate*>(parameter);
  gate->opened.wait();
  gate->passed = true;
  return 0;
}

TEST(KernelThreads, ThreadsRunAtOnceAndCanBeWaitedFor) {
  Gate gate;
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_NE(id, 0u);

  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_TIMEOUT);
  gate.open.set_value();
  EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
  EXPECT_TRUE(gate.passed);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);

  EXPECT_TRUE(CloseHandle(thread));
  EXPECT_FALSE(CloseHandle(thread));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(KernelThreads, ClosingTheHandleLeavesTheThreadRunning) {
  Gate gate;
  HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ASSERT_TRUE(CloseHandle(thread));

  gate.open.set_value();
  while (!gate.passed) std::this_thread::yield();
}

TEST(KernelThreads, BadRequestsMakeNoThread) {
  EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  Gate gate;
  EXPECT_EQ(CreateThread(nullptr, 0, WaitAtGate, &gate, 4 /* CREATE_SUSPENDED */, nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  platform_test::FailCall("CreateThread", ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);
}

}  // namespace
