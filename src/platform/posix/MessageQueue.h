// The message queue of one thread: posted messages, the quit request, input
// and timers, in the order GetMessageW hands them out. Any thread may post;
// only the owner takes messages and sets timers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/posix/WinUser.h"

namespace platform {

class MessageQueue {
 public:
  MessageQueue();
  MessageQueue(const MessageQueue&) = delete;
  MessageQueue& operator=(const MessageQueue&) = delete;
  ~MessageQueue();

  // The calling thread's queue, made on first use; it lives as long as the
  // thread or a window of the thread.
  static std::shared_ptr<MessageQueue> ForThisThread();
  // Empties the queues of every thread and drops their timers.
  static void ClearAll();

  std::thread::id Owner() const { return owner_; }
  bool IsOwnedByThisThread() const { return owner_ == std::this_thread::get_id(); }

  void Post(const MSG& message);
  void PostInput(const MSG& message);
  void PostQuit(int exitCode);

  // The next message at time `now`: posted messages in order, then WM_QUIT
  // (only when nothing is posted), then input, then the earliest due timer,
  // which is then due again one period from now. False when nothing is ready.
  bool Take(MSG& message, std::int64_t now);
  // Whether a posted message, the quit request or input is waiting.
  bool HasQueuedMessages() const;

  // Starts (or restarts) a timer, first due one period after `now`.
  void SetTimer(HWND window, UINT_PTR id, std::int64_t period, std::int64_t now);
  bool KillTimer(HWND window, UINT_PTR id);
  void KillTimersOf(HWND window);
  std::optional<std::int64_t> NextTimerDue() const;

  // Wakes WaitUntilWoken; a wake that comes before the wait is not lost.
  void Wake();
  // Returns when woken since the last time Take found nothing, or at `until`.
  void WaitUntilWoken(std::optional<std::chrono::steady_clock::time_point> until);

 private:
  struct Timer {
    HWND window;
    UINT_PTR id;
    std::int64_t period;
    std::int64_t due;
  };

  void Clear();
  bool TakeDueTimer(MSG& message, std::int64_t now);

  const std::thread::id owner_;
  mutable std::mutex lock_;
  std::condition_variable wakeUp_;
  bool woken_ = false;
  std::deque<MSG> posted_;
  std::optional<int> quitCode_;
  std::deque<MSG> input_;
  std::vector<Timer> timers_;
};

}  // namespace platform
