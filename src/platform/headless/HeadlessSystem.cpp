#include "platform/headless/HeadlessSystem.h"

#include <algorithm>

#include "platform/posix/MessageQueue.h"

namespace platform::headless {
namespace {

constexpr ScreenSize defaultScreen{1920, 1080};

}  // namespace

HeadlessSystem& HeadlessSystem::Instance() {
  static auto* system = new HeadlessSystem();
  return *system;
}

HeadlessSystem::HeadlessSystem() : screen_(defaultScreen) {}

std::int64_t HeadlessSystem::Now() {
  std::lock_guard guard(lock_);
  return clock_;
}

ScreenSize HeadlessSystem::PrimaryScreenSize() {
  std::lock_guard guard(lock_);
  return screen_;
}

bool HeadlessSystem::CreateNativeWindow(HWND /*window*/, const RECT& /*clientArea*/) {
  return true;
}

void HeadlessSystem::DestroyNativeWindow(HWND /*window*/) {}

void HeadlessSystem::SetNativeTitle(HWND /*window*/, LPCWSTR /*title*/) {}

void HeadlessSystem::ShowNativeWindow(HWND /*window*/, bool /*visible*/) {}

POINT HeadlessSystem::CursorPosition() {
  std::lock_guard guard(lock_);
  return cursor_;
}

void HeadlessSystem::ShowSystemCursor(bool /*shown*/) {}

void HeadlessSystem::PumpEvents() {}

void HeadlessSystem::Wait(MessageQueue& queue, std::optional<std::int64_t> deadline) {
  std::function<void()> idleHandler;
  {
    std::lock_guard guard(lock_);
    idleHandler = idleHandler_;
  }
  if (idleHandler) idleHandler();
  if (queue.HasQueuedMessages()) return;
  if (deadline) {
    std::lock_guard guard(lock_);
    clock_ = std::max(clock_, *deadline);
    return;
  }
  queue.WaitUntilWoken(std::nullopt);
}

void HeadlessSystem::Wake(MessageQueue& queue) { queue.Wake(); }

void HeadlessSystem::SetScreenSize(ScreenSize size) {
  std::lock_guard guard(lock_);
  screen_ = size;
}

void HeadlessSystem::SetCursorPosition(POINT position) {
  std::lock_guard guard(lock_);
  cursor_ = position;
}

void HeadlessSystem::AdvanceClock(std::int64_t milliseconds) {
  std::lock_guard guard(lock_);
  clock_ += milliseconds;
}

void HeadlessSystem::SetIdleHandler(std::function<void()> handler) {
  std::lock_guard guard(lock_);
  idleHandler_ = std::move(handler);
}

void HeadlessSystem::Reset() {
  std::lock_guard guard(lock_);
  clock_ = 0;
  screen_ = defaultScreen;
  cursor_ = POINT{0, 0};
  idleHandler_ = nullptr;
}

}  // namespace platform::headless

platform::WindowSystem& MarrowickWindowSystem() {
  return platform::headless::HeadlessSystem::Instance();
}
