// Test-only controls of the SDL2 backend. Never included by the program's
// code: the SDL backend's tests use it to send SDL events as the window system
// would and to read what SDL shows, without including SDL themselves.
#pragma once

#include <string>

#include "platform/Windows.h"
#include "platform/posix/InputEvents.h"

namespace platform_test::sdl {

// Queues SDL events for the window, to be turned into messages by the next
// GetMessageW. Keys are named as SDL names them ("Return", "Escape", "A").
void PushKey(HWND window, const char* keyName, bool down, bool repeat = false);
void PushText(HWND window, const char* utf8);
void PushMouseMove(HWND window, int x, int y);
void PushMouseButton(HWND window, platform::MouseButton button, bool down, int x, int y);
void PushCloseButton(HWND window);

// What SDL shows of the window.
std::string WindowTitle(HWND window);
bool IsResizable(HWND window);
bool IsShown(HWND window);
int ClientWidth(HWND window);
int ClientHeight(HWND window);
bool IsSystemCursorShown();
// The colour 0xRRGGBB that the window's surface shows at a client pixel, or -1
// when there is no such pixel.
long ShownColour(HWND window, int x, int y);

}  // namespace platform_test::sdl
