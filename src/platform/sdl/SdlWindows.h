// What the SDL backend shares with the other SDL parts of the platform (the
// presentation of frames): the SDL window behind a window handle.
#pragma once

#include "platform/Windows.h"

struct SDL_Window;

namespace platform::sdl {

// The SDL window of a live window, or null. Look it up for every use: the SDL
// window goes away when the window is destroyed.
SDL_Window* WindowFor(HWND window);

}  // namespace platform::sdl
