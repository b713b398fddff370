// The Windows platform interface of the program: user32, kernel32, gdi32,
// comctl32 and winmm, as far as the program calls them.
//
// On Windows this is the SDK itself. Everywhere else the stand-ins in posix/
// declare the same names, signatures and constants, with WCHAR as char16_t so
// that UTF-16 text passes straight through, and the backend linked into each
// program (SDL2 or headless) provides the behaviour.
#pragma once

#if defined(_WIN32)
#define NOMINMAX
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>
#else
#include "platform/posix/CommCtrl.h"
#include "platform/posix/MMSystem.h"
#include "platform/posix/WinBase.h"
#include "platform/posix/WinGdi.h"
#include "platform/posix/WinThreads.h"
#include "platform/posix/WinTypes.h"
#include "platform/posix/WinUser.h"
#endif
