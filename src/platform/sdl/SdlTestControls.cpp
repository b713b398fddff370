#include "platform/sdl/SdlTestControls.h"

#include <SDL.h>

#include <cstring>

#include "platform/sdl/SdlWindows.h"

namespace platform_test::sdl {
namespace {

Uint32 IdOf(HWND window) {
  SDL_Window* native = platform::sdl::WindowFor(window);
  return native == nullptr ? 0 : SDL_GetWindowID(native);
}

Uint32 FlagsOf(HWND window) {
  SDL_Window* native = platform::sdl::WindowFor(window);
  return native == nullptr ? 0 : SDL_GetWindowFlags(native);
}

SDL_Point SizeOf(HWND window) {
  SDL_Point size{0, 0};
  if (SDL_Window* native = platform::sdl::WindowFor(window)) {
    SDL_GetWindowSize(native, &size.x, &size.y);
  }
  return size;
}

}  // namespace

void PushKey(HWND window, const char* keyName, bool down, bool repeat) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = IdOf(window);
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.sym = SDL_GetKeyFromName(keyName);
  event.key.keysym.scancode = SDL_GetScancodeFromKey(event.key.keysym.sym);
  SDL_PushEvent(&event);
}

void PushText(HWND window, const char* utf8) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = IdOf(window);
  SDL_strlcpy(event.text.text, utf8, sizeof(event.text.text));
  SDL_PushEvent(&event);
}

void PushMouseMove(HWND window, int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.windowID = IdOf(window);
  event.motion.x = x;
  event.motion.y = y;
  SDL_PushEvent(&event);
}

void PushMouseButton(HWND window, platform::MouseButton button, bool down, int x, int y) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.windowID = IdOf(window);
  event.button.button = button == platform::MouseButton::Left ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.clicks = 1;
  event.button.x = x;
  event.button.y = y;
  SDL_PushEvent(&event);
}

void PushCloseButton(HWND window) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = IdOf(window);
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&event);
}

std::string WindowTitle(HWND window) {
  SDL_Window* native = platform::sdl::WindowFor(window);
  return native == nullptr ? std::string() : SDL_GetWindowTitle(native);
}

bool IsResizable(HWND window) { return (FlagsOf(window) & SDL_WINDOW_RESIZABLE) != 0; }

bool IsShown(HWND window) { return (FlagsOf(window) & SDL_WINDOW_SHOWN) != 0; }

int ClientWidth(HWND window) { return SizeOf(window).x; }

int ClientHeight(HWND window) { return SizeOf(window).y; }

bool IsSystemCursorShown() { return SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE; }

long ShownColour(HWND window, int x, int y) {
  SDL_Window* native = platform::sdl::WindowFor(window);
  SDL_Surface* surface = native == nullptr ? nullptr : SDL_GetWindowSurface(native);
  if (surface == nullptr || x < 0 || y < 0 || x >= surface->w || y >= surface->h) return -1;
  if (SDL_LockSurface(surface) != 0) return -1;
  const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
  Uint32 pixel = 0;
  std::memcpy(&pixel, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
  SDL_UnlockSurface(surface);
  Uint8 red, green, blue;
  SDL_GetRGB(pixel, surface->format, &red, &green, &blue);
  return static_cast<long>(red) << 16 | green << 8 | blue;
}

}  // namespace platform_test::sdl
