#include "platform/posix/MessageQueue.h"

#include <algorithm>
#include <unordered_set>

namespace platform {
namespace {

// Every live queue, so that tests can start from empty queues on all threads.
std::mutex everyQueueLock;

std::unordered_set<MessageQueue*>& EveryQueue() {
  static auto* queues = new std::unordered_set<MessageQueue*>();
  return *queues;
}

MSG Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return MSG{window, message, wParam, lParam, 0, POINT{0, 0}};
}

}  // namespace

MessageQueue::MessageQueue() : owner_(std::this_thread::get_id()) {
  std::lock_guard guard(everyQueueLock);
  EveryQueue().insert(this);
}

MessageQueue::~MessageQueue() {
  std::lock_guard guard(everyQueueLock);
  EveryQueue().erase(this);
}

std::shared_ptr<MessageQueue> MessageQueue::ForThisThread() {
  thread_local std::shared_ptr<MessageQueue> queue = std::make_shared<MessageQueue>();
  return queue;
}

void MessageQueue::ClearAll() {
  std::lock_guard guard(everyQueueLock);
  for (MessageQueue* queue : EveryQueue()) queue->Clear();
}

void MessageQueue::Clear() {
  std::lock_guard guard(lock_);
  posted_.clear();
  quitCode_.reset();
  input_.clear();
  timers_.clear();
}

void MessageQueue::Post(const MSG& message) {
  std::lock_guard guard(lock_);
  posted_.push_back(message);
}

void MessageQueue::PostInput(const MSG& message) {
  std::lock_guard guard(lock_);
  input_.push_back(message);
}

void MessageQueue::PostQuit(int exitCode) {
  std::lock_guard guard(lock_);
  quitCode_ = exitCode;
}

bool MessageQueue::Take(MSG& message, std::int64_t now) {
  std::lock_guard guard(lock_);
  if (!posted_.empty()) {
    message = posted_.front();
    posted_.pop_front();
    return true;
  }
  if (quitCode_) {
    message = Message(nullptr, WM_QUIT, WPARAM(*quitCode_), 0);
    quitCode_.reset();
    return true;
  }
  if (!input_.empty()) {
    message = input_.front();
    input_.pop_front();
    return true;
  }
  if (TakeDueTimer(message, now)) return true;
  woken_ = false;  // everything queued so far has been seen
  return false;
}

bool MessageQueue::TakeDueTimer(MSG& message, std::int64_t now) {
  auto earliest = std::min_element(timers_.begin(), timers_.end(),
                                   [](const Timer& a, const Timer& b) { return a.due < b.due; });
  if (earliest == timers_.end() || earliest->due > now) return false;
  // Restarting from now, not from the missed due time, is what keeps a late
  // timer from making up the periods it missed.
  earliest->due = now + earliest->period;
  message = Message(earliest->window, WM_TIMER, earliest->id, 0);
  return true;
}

bool MessageQueue::HasQueuedMessages() const {
  std::lock_guard guard(lock_);
  return !posted_.empty() || quitCode_.has_value() || !input_.empty();
}

void MessageQueue::SetTimer(HWND window, UINT_PTR id, std::int64_t period, std::int64_t now) {
  std::lock_guard guard(lock_);
  for (Timer& timer : timers_) {
    if (timer.window == window && timer.id == id) {
      timer.period = period;
      timer.due = now + period;
      return;
    }
  }
  timers_.push_back(Timer{window, id, period, now + period});
}

bool MessageQueue::KillTimer(HWND window, UINT_PTR id) {
  std::lock_guard guard(lock_);
  return std::erase_if(timers_, [&](const Timer& timer) {
           return timer.window == window && timer.id == id;
         }) > 0;
}

void MessageQueue::KillTimersOf(HWND window) {
  std::lock_guard guard(lock_);
  std::erase_if(timers_, [&](const Timer& timer) { return timer.window == window; });
}

std::optional<std::int64_t> MessageQueue::NextTimerDue() const {
  std::lock_guard guard(lock_);
  std::optional<std::int64_t> next;
  for (const Timer& timer : timers_) {
    if (!next || timer.due < *next) next = timer.due;
  }
  return next;
}

void MessageQueue::Wake() {
  {
    std::lock_guard guard(lock_);
    woken_ = true;
  }
  wakeUp_.notify_all();
}

void MessageQueue::WaitUntilWoken(std::optional<std::chrono::steady_clock::time_point> until) {
  std::unique_lock guard(lock_);
  if (until) {
    wakeUp_.wait_until(guard, *until, [this] { return woken_; });
  } else {
    wakeUp_.wait(guard, [this] { return woken_; });
  }
  woken_ = false;
}

}  // namespace platform
