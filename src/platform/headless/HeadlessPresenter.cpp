// Presentation of the headless backend: no window system, so every frame a
// Direct3D device presents is kept in memory, the last one per window, for
// tests to read (platform/testing/HeadlessFrames.h) and to save as a picture.
#include <SDL.h>

#include <map>
#include <mutex>

#include "platform/posix/Presenter.h"
#include "platform/posix/WinUser.h"
#include "platform/testing/HeadlessFrames.h"

namespace {

struct WindowFrames {
  platform_test::PresentedFrame last;
  int count = 0;
};

std::mutex framesLock;

std::map<HWND, WindowFrames>& Frames() {
  static auto* frames = new std::map<HWND, WindowFrames>();
  return *frames;
}

}  // namespace

namespace platform {

bool PresentFrame(HWND window, const std::uint32_t* pixels, int width, int height) {
  if (!IsWindow(window) || pixels == nullptr || width <= 0 || height <= 0) return false;
  std::lock_guard guard(framesLock);
  WindowFrames& frames = Frames()[window];
  frames.last.width = width;
  frames.last.height = height;
  frames.last.pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * height);
  ++frames.count;
  return true;
}

}  // namespace platform

namespace platform_test {

PresentedFrame LastPresentedFrame(HWND window) {
  std::lock_guard guard(framesLock);
  auto found = Frames().find(window);
  return found == Frames().end() ? PresentedFrame{} : found->second.last;
}

int PresentedFrameCount(HWND window) {
  std::lock_guard guard(framesLock);
  auto found = Frames().find(window);
  return found == Frames().end() ? 0 : found->second.count;
}

void ForgetPresentedFrames() {
  std::lock_guard guard(framesLock);
  Frames().clear();
}

bool SaveFrameAsBmp(const PresentedFrame& frame, const char* path) {
  const std::size_t size = static_cast<std::size_t>(frame.width) * frame.height;
  if (frame.width <= 0 || frame.height <= 0 || frame.pixels.size() != size || path == nullptr) {
    return false;
  }
  std::vector<std::uint32_t> opaque(frame.pixels);
  for (std::uint32_t& pixel : opaque) pixel |= 0xFF000000u;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      opaque.data(), frame.width, frame.height, 32, frame.width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return false;
  const bool saved = SDL_SaveBMP(surface, path) == 0;
  SDL_FreeSurface(surface);
  return saved;
}

}  // namespace platform_test
