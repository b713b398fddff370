// Presentation of the SDL2 backend: every frame a Direct3D device presents is
// copied into the window's surface (SDL's framebuffer of the window, which
// goes with the window) and shown, scaled if the window has another size.
// Leaves out: waiting for the display's vertical blank.
#include <SDL.h>

#include "platform/posix/Presenter.h"
#include "platform/sdl/SdlWindows.h"

namespace platform {

bool PresentFrame(HWND window, const std::uint32_t* pixels, int width, int height) {
  SDL_Window* native = sdl::WindowFor(window);
  if (native == nullptr || pixels == nullptr || width <= 0 || height <= 0) return false;
  SDL_Surface* target = SDL_GetWindowSurface(native);
  if (target == nullptr) return false;
  // SDL only reads the frame through this surface.
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(pixels), width, height, 32, width * 4, SDL_PIXELFORMAT_XRGB8888);
  if (frame == nullptr) return false;
  const bool sameSize = target->w == width && target->h == height;
  const int copied = sameSize ? SDL_BlitSurface(frame, nullptr, target, nullptr)
                              : SDL_BlitScaled(frame, nullptr, target, nullptr);
  SDL_FreeSurface(frame);
  return copied == 0 && SDL_UpdateWindowSurface(native) == 0;
}

}  // namespace platform
