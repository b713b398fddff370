// SDL's keyboard and mouse events as the window messages of user32.
#pragma once

#include <SDL.h>

#include "platform/Windows.h"

namespace platform::sdl {

// The virtual-key code of an SDL key, or 0 for a key the stand-ins do not map:
// letters as their upper-case code, digits, Enter (either one), Escape,
// Backspace, Tab, Space, the arrows, F1 to F12, Shift, Ctrl and Alt.
int VirtualKeyFor(SDL_Keycode key);

// Delivers a keyboard, text or mouse event to the window it happened in; other
// events are left alone.
void TranslateInput(const SDL_Event& event, HWND window);

}  // namespace platform::sdl
