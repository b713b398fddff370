// The one window procedure of every window class the framework registers: it
// finds the window object in the window's user data and routes the message to
// the application, which hands it to the window's handler.
#pragma once

#include "platform/Windows.h"

namespace CorvelGUI {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace CorvelGUI
