// kernel32 threads over std::thread (see WinThreads.h).
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include <SDL.h>

#include "platform/posix/CallFailures.h"
#include "platform/posix/KernelObject.h"
#include "platform/posix/WinThreads.h"

namespace platform {
namespace {

// Shared by the handle and the running thread, so that either may go first.
class ThreadEnd {
 public:
  void Signal() {
    {
      std::lock_guard guard(lock_);
      ended_ = true;
    }
    endedChanged_.notify_all();
  }

  // False when the time ran out first.
  bool WaitFor(DWORD milliseconds) {
    std::unique_lock guard(lock_);
    if (milliseconds == INFINITE) {
      endedChanged_.wait(guard, [this] { return ended_; });
      return true;
    }
    return endedChanged_.wait_for(guard, std::chrono::milliseconds(milliseconds),
                                  [this] { return ended_; });
  }

 private:
  std::mutex lock_;
  std::condition_variable endedChanged_;
  bool ended_ = false;
};

class ThreadObject final : public KernelObject {
 public:
  explicit ThreadObject(std::shared_ptr<ThreadEnd> end) : end_(std::move(end)) {}
  std::shared_ptr<ThreadEnd> End() const { return end_; }

 private:
  std::shared_ptr<ThreadEnd> end_;
};

std::atomic<DWORD> nextThreadId{1};

}  // namespace
}  // namespace platform

HANDLE CreateThread(LPSECURITY_ATTRIBUTES /*threadAttributes*/, SIZE_T /*stackSize*/,
                    LPTHREAD_START_ROUTINE startAddress, LPVOID parameter, DWORD creationFlags,
                    LPDWORD threadId) {
  if (platform::TakeArrangedFailure("CreateThread")) return nullptr;
  if (startAddress == nullptr || creationFlags != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto end = std::make_shared<platform::ThreadEnd>();
  try {
    // Detached: closing the handle neither stops nor waits for the thread.
    std::thread([startAddress, parameter, end] {
      startAddress(parameter);
      // SDL keeps state per thread (its error text) for every thread that
      // calls it, as the bitmap and sound readers do; only threads that SDL
      // made itself give it back on their own.
      SDL_TLSCleanup();
      end->Signal();
    }).detach();
  } catch (const std::system_error&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (threadId != nullptr) *threadId = platform::nextThreadId++;
  return platform::KernelObject::Register(new platform::ThreadObject(end));
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  if (platform::TakeArrangedFailure("WaitForSingleObject")) return WAIT_FAILED;
  auto* thread = platform::KernelObject::From<platform::ThreadObject>(handle);
  if (thread == nullptr) return WAIT_FAILED;
  std::shared_ptr<platform::ThreadEnd> end = thread->End();
  return end->WaitFor(milliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}
