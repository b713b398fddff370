#include "platform/sdl/SdlSystem.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/posix/Desktop.h"
#include "platform/posix/InputEvents.h"
#include "platform/posix/MessageQueue.h"
#include "platform/posix/Utf.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlWindows.h"

namespace platform::sdl {
namespace {

// The window an input or window event happened in (0 when none).
Uint32 WindowIdOf(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT: return event.window.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP: return event.key.windowID;
    case SDL_TEXTINPUT: return event.text.windowID;
    case SDL_MOUSEMOTION: return event.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return event.button.windowID;
    default: return 0;
  }
}

// SDL falls back to its offscreen driver when no display answers, and its
// windows are never seen there. Unless that driver was asked for by name (the
// tests do), a program without a display has no video.
bool ShowsWindows() {
  if (SDL_GetHint(SDL_HINT_VIDEODRIVER) != nullptr) return true;
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && std::strcmp(driver, "offscreen") != 0;
}

void TranslateWindowEvent(const SDL_WindowEvent& event, HWND window) {
  if (window == nullptr) return;
  if (event.event == SDL_WINDOWEVENT_CLOSE) DeliverClose(window);
  if (event.event == SDL_WINDOWEVENT_MOVED)
    PlaceClientArea(window, POINT{event.data1, event.data2});
}

}  // namespace

SdlSystem& SdlSystem::Instance() {
  static auto* system = new SdlSystem();
  return *system;
}

SdlSystem::SdlSystem() : start_(std::chrono::steady_clock::now()) {}

bool SdlSystem::VideoStarted() {
  std::lock_guard guard(lock_);
  if (videoTried_) return videoStarted_;
  videoTried_ = true;
  // Ctrl+C ends the program as usual instead of becoming an SDL quit event.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A window's surface stays plain memory that a frame is copied into. SDL
  // would otherwise back it with an OpenGL renderer (a software one on a
  // machine without a GPU, costing more than drawing the frame did) and make
  // the window anew for it, losing whatever was sent to the first one.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  videoStarted_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  if (videoStarted_ && !ShowsWindows()) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoStarted_ = false;
  }
  if (videoStarted_) {
    eventThread_ = std::this_thread::get_id();
    wakeEvent_ = SDL_RegisterEvents(1);
    if (wakeEvent_ == Uint32(-1)) wakeEvent_ = SDL_USEREVENT;
  }
  return videoStarted_;
}

bool SdlSystem::IsEventThread() {
  std::lock_guard guard(lock_);
  return videoStarted_ && eventThread_ == std::this_thread::get_id();
}

std::int64_t SdlSystem::Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

ScreenSize SdlSystem::PrimaryScreenSize() {
  SDL_DisplayMode mode;
  if (!VideoStarted() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return ScreenSize{0, 0};
  return ScreenSize{mode.w, mode.h};
}

bool SdlSystem::CreateNativeWindow(HWND window, const RECT& clientArea) {
  if (!VideoStarted()) return false;
  int width = std::max<int>(1, clientArea.right - clientArea.left);
  int height = std::max<int>(1, clientArea.bottom - clientArea.top);
  SDL_Window* native =
      SDL_CreateWindow("", clientArea.left, clientArea.top, width, height, SDL_WINDOW_HIDDEN);
  if (native == nullptr) return false;
  std::lock_guard guard(lock_);
  windows_[window] = native;
  return true;
}

// The native window is hidden and forgotten, not destroyed: SDL wakes a
// waiting event loop by sending an X event to one of its shown windows from
// whichever thread pushes an event (a post from the preloader, SDL's own audio
// start), over a second connection to the X server. Destroyed, the window
// could be gone by the time such a wake-up reaches the server, and X would end
// the program for it (BadWindow). Hidden, it is never chosen for a wake-up
// again, and SDL_Quit destroys it when the program ends.
void SdlSystem::DestroyNativeWindow(HWND window) {
  SDL_Window* native = nullptr;
  {
    std::lock_guard guard(lock_);
    auto found = windows_.find(window);
    if (found == windows_.end()) return;
    native = found->second;
    windows_.erase(found);
  }
  SDL_HideWindow(native);
}

void SdlSystem::SetNativeTitle(HWND window, LPCWSTR title) {
  if (SDL_Window* native = WindowFor(window)) {
    SDL_SetWindowTitle(native, Utf16ToUtf8(title).c_str());
  }
}

void SdlSystem::ShowNativeWindow(HWND window, bool visible) {
  SDL_Window* native = WindowFor(window);
  if (native == nullptr) return;
  if (visible) {
    SDL_ShowWindow(native);
    SDL_RaiseWindow(native);  // SW_SHOW activates the window, so keys go to it
  } else {
    SDL_HideWindow(native);
  }
}

POINT SdlSystem::CursorPosition() {
  int x = 0;
  int y = 0;
  if (!VideoStarted()) return POINT{x, y};
  // Over one of the program's windows, SDL follows the pointer through that
  // window's motion events. Its global state can lag behind: on an X server
  // that sends SDL no raw input events (Xvfb driven through XTEST, for one)
  // it keeps the position it first read.
  if (SDL_Window* focus = SDL_GetMouseFocus()) {
    int windowX = 0;
    int windowY = 0;
    SDL_GetMouseState(&x, &y);
    SDL_GetWindowPosition(focus, &windowX, &windowY);
    return POINT{windowX + x, windowY + y};
  }
  SDL_GetGlobalMouseState(&x, &y);
  return POINT{x, y};
}

void SdlSystem::ShowSystemCursor(bool shown) {
  if (VideoStarted()) SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

void SdlSystem::PumpEvents() {
  if (!IsEventThread()) return;
  SDL_Event event;
  while (SDL_PollEvent(&event) == 1) {
    HWND window = WindowOfId(WindowIdOf(event));
    if (event.type == SDL_WINDOWEVENT) {
      TranslateWindowEvent(event.window, window);
    } else {
      TranslateInput(event, window);
    }
  }
}

HWND SdlSystem::WindowOfId(Uint32 windowId) {
  SDL_Window* native = windowId == 0 ? nullptr : SDL_GetWindowFromID(windowId);
  if (native == nullptr) return nullptr;
  std::lock_guard guard(lock_);
  for (const auto& [window, candidate] : windows_) {
    if (candidate == native) return window;
  }
  return nullptr;
}

void SdlSystem::Wait(MessageQueue& queue, std::optional<std::int64_t> deadline) {
  if (!IsEventThread()) {
    std::optional<std::chrono::steady_clock::time_point> until;
    if (deadline) until = start_ + std::chrono::milliseconds(*deadline);
    queue.WaitUntilWoken(until);
    return;
  }
  int timeout = -1;
  if (deadline) timeout = int(std::clamp<std::int64_t>(*deadline - Now(), 0, INT_MAX));
  SDL_WaitEventTimeout(nullptr, timeout);
}

void SdlSystem::Wake(MessageQueue& queue) {
  queue.Wake();
  Uint32 wakeEvent;
  {
    std::lock_guard guard(lock_);
    if (!videoStarted_ || queue.Owner() != eventThread_) return;
    wakeEvent = wakeEvent_;
  }
  SDL_Event event{};
  event.type = wakeEvent;
  SDL_PushEvent(&event);
}

SDL_Window* SdlSystem::WindowFor(HWND window) {
  std::lock_guard guard(lock_);
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second;
}

SDL_Window* WindowFor(HWND window) { return SdlSystem::Instance().WindowFor(window); }

}  // namespace platform::sdl

platform::WindowSystem& MarrowickWindowSystem() { return platform::sdl::SdlSystem::Instance(); }
