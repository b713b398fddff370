// The Windows platform interface of the program: user32, kernel32, gdi32,
// comctl32 and winmm, as far as the program calls them.
//
// On Windows this is the SDK itself. Everywhere else the stand-ins in posix/
// declare the same names, signatures and constants, with WCHAR as char16_t so
// that UTF-16 text passes straight through, and the backend linked into each
// program (SDL2 or headless) provides the behaviour.
#pragma once

#if defined(_WIN32)
// libstdc++ may have asked for this already; min and max are std:: names here.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>
// The SDK renames every function with a text argument to its A or W form
// through a macro, and that macro renames our own members of the same name as
// well: IGameHost::PlaySound would become PlaySoundA in the files that see the
// SDK and stay PlaySound in those that do not. The program calls the W forms by
// their full names, so the short names can go. The SDK also keeps `near` and
// `far` as empty macros from 16-bit days, which would erase those words where
// we use them as names.
#undef PlaySound
#undef near
#undef far
#else
#include "platform/posix/CommCtrl.h"
#include "platform/posix/MMSystem.h"
#include "platform/posix/WinBase.h"
#include "platform/posix/WinGdi.h"
#include "platform/posix/WinThreads.h"
#include "platform/posix/WinTypes.h"
#include "platform/posix/WinUser.h"
#endif

// Our text is UTF-16 in char16_t (tlib::TString, u"" literals); the wide
// calls take UTF-16 in WCHAR, which is wchar_t on Windows and char16_t
// elsewhere. The units are the same, so the text passes as it is: this is the
// one place where its type changes, and on other systems it changes nothing.
static_assert(sizeof(WCHAR) == sizeof(char16_t), "the wide calls take UTF-16 units");
inline LPCWSTR WideText(const char16_t* text) { return reinterpret_cast<LPCWSTR>(text); }
inline LPWSTR WideText(char16_t* text) { return reinterpret_cast<LPWSTR>(text); }
