// user32 stand-ins: window classes, windows, the message loop, timers and input.
//
// Stands in for: RegisterClassExW, CreateWindowExW, DestroyWindow,
// DefWindowProcW, ShowWindow, IsWindow, IsWindowVisible, GetWindowTextW,
// GetClassNameW, GetWindowRect, GetClientRect, SetWindowLongPtrW and
// GetWindowLongPtrW (GWLP_USERDATA), AdjustWindowRect, SetRect,
// GetSystemMetrics (SM_CXSCREEN, SM_CYSCREEN), GetMessageW, TranslateMessage,
// DispatchMessageW, PostMessageW, PostQuitMessage, SetTimer, KillTimer,
// GetCursorPos, ScreenToClient, GetAsyncKeyState and ShowCursor.
//
// Every thread has its own message queue. GetMessageW returns posted messages
// first (in order), then WM_QUIT once nothing is posted, then input, then
// WM_TIMER: timers are checked when a message is retrieved, so a timer that fell
// behind yields one WM_TIMER, not a burst. It sleeps while nothing is due, and
// PostMessageW from any thread wakes it. Messages that Windows sends are sent
// synchronously on the calling thread: CreateWindowExW sends WM_NCCREATE and
// WM_CREATE, destruction sends WM_DESTROY and WM_NCDESTROY.
//
// Leaves out: child windows, menus, painting (WM_PAINT, WM_ERASEBKGND),
// activation, focus and sizing messages (WM_SIZE, WM_MOVE, WM_GETMINMAXINFO),
// SendMessageW, PeekMessageW, message filters in GetMessageW (hWnd must be null
// and both bounds 0, else -1 with ERROR_INVALID_PARAMETER), thread timers and
// timer callbacks (SetTimer needs a window and a null TIMERPROC), class atoms in
// place of class names, case-insensitive class names, instance-specific classes, CW_USEDEFAULT,
// double-click messages and the keyboard layout: WM_CHAR comes from the window system's own text
// input, queued right after its key press, so TranslateMessage has nothing left to do. Windows
// belong to the thread that creates them: DestroyWindow, ShowWindow, SetTimer and KillTimer on a
// window of another thread fail with ERROR_ACCESS_DENIED; PostMessageW, the user-data slot and the
// queries work from any thread.
#pragma once

#include "platform/posix/WinTypes.h"

struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;
struct HMENU__;
using HMENU = HMENU__*;

using WNDPROC = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void(CALLBACK*)(HWND, UINT, UINT_PTR, DWORD);

struct POINT {
  LONG x;
  LONG y;
};
using LPPOINT = POINT*;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPRECT = RECT*;

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};
using LPMSG = MSG*;

struct WNDCLASSEXW {
  UINT cbSize;
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCWSTR lpszMenuName;
  LPCWSTR lpszClassName;
  HICON hIconSm;
};

struct CREATESTRUCTW {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCWSTR lpszName;
  LPCWSTR lpszClass;
  DWORD dwExStyle;
};

// Messages.
#define WM_NULL 0x0000u
#define WM_CREATE 0x0001u
#define WM_DESTROY 0x0002u
#define WM_CLOSE 0x0010u
#define WM_QUIT 0x0012u
#define WM_NCCREATE 0x0081u
#define WM_NCDESTROY 0x0082u
#define WM_KEYDOWN 0x0100u
#define WM_KEYUP 0x0101u
#define WM_CHAR 0x0102u
#define WM_TIMER 0x0113u
#define WM_MOUSEMOVE 0x0200u
#define WM_LBUTTONDOWN 0x0201u
#define WM_LBUTTONUP 0x0202u
#define WM_LBUTTONDBLCLK 0x0203u
#define WM_RBUTTONDOWN 0x0204u
#define WM_RBUTTONUP 0x0205u
#define WM_USER 0x0400u
#define WM_APP 0x8000u

// Mouse button flags in the wParam of mouse messages.
#define MK_LBUTTON 0x0001u
#define MK_RBUTTON 0x0002u

// Virtual keys. Letters and digits are their upper-case ASCII codes.
#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_F1 0x70

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5
#define SW_SHOWDEFAULT 10

// Window styles.
#define WS_OVERLAPPED 0x00000000u
#define WS_POPUP 0x80000000u
#define WS_CHILD 0x40000000u
#define WS_VISIBLE 0x10000000u
#define WS_CAPTION 0x00C00000u
#define WS_BORDER 0x00800000u
#define WS_DLGFRAME 0x00400000u
#define WS_SYSMENU 0x00080000u
#define WS_THICKFRAME 0x00040000u
#define WS_MINIMIZEBOX 0x00020000u
#define WS_MAXIMIZEBOX 0x00010000u
#define WS_OVERLAPPEDWINDOW \
  (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_EX_APPWINDOW 0x00040000u

// Class styles.
#define CS_VREDRAW 0x0001u
#define CS_HREDRAW 0x0002u
#define CS_DBLCLKS 0x0008u
#define CS_OWNDC 0x0020u

#define GWLP_USERDATA (-21)

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1

#define LOWORD(l) (static_cast<WORD>(static_cast<DWORD_PTR>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<DWORD_PTR>(l) >> 16) & 0xFFFF))
#define MAKELONG(low, high)                                       \
  (static_cast<LONG>(static_cast<DWORD>(static_cast<WORD>(low)) | \
                     (static_cast<DWORD>(static_cast<WORD>(high)) << 16)))
#define MAKELPARAM(low, high) (static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(low, high))))

// Window classes and windows.
// 0 with ERROR_CLASS_ALREADY_EXISTS for a name in use, ERROR_INVALID_PARAMETER
// for a wrong cbSize or a missing name or procedure.
ATOM RegisterClassExW(const WNDCLASSEXW* windowClass);
// Null with ERROR_CANNOT_FIND_WND_CLASS for an unknown class. Null also when
// WM_NCCREATE returns 0 (the window then gets WM_NCDESTROY) or WM_CREATE
// returns -1 (the window is destroyed); the last error is what the window
// procedure left, as on Windows.
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID parameter);
// WM_NCCREATE: takes the window text and returns TRUE; WM_CLOSE: destroys the
// window; everything else: 0.
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL DestroyWindow(HWND window);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND window, int command);
BOOL IsWindow(HWND window);
BOOL IsWindowVisible(HWND window);
int GetWindowTextW(HWND window, LPWSTR text, int maxCount);
int GetClassNameW(HWND window, LPWSTR className, int maxCount);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
// Only GWLP_USERDATA (0 until set); other indices fail with ERROR_INVALID_INDEX.
LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR newValue);
LONG_PTR GetWindowLongPtrW(HWND window, int index);

// Geometry. The frame is Windows' for each style: a caption adds 23 pixels, a
// fixed frame (WS_DLGFRAME) 3 on every side, a thin border (WS_BORDER alone) 1,
// a sizing frame (WS_THICKFRAME) 8, a menu bar 20. For 0x80CB0000 a client area
// of 1024 x 768 becomes 1030 x 797.
BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu);
BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
int GetSystemMetrics(int index);

// The message loop. GetMessageW returns 0 for WM_QUIT and -1 on failure.
BOOL GetMessageW(LPMSG message, HWND window, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageW(const MSG* message);
// To the queue of the window's thread; a null window posts to the calling thread.
BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Returns the timer id. Periods below 10 ms are raised to 10 ms, as on Windows;
// setting an existing id restarts it. Timers end with their window.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC timerFunction);
BOOL KillTimer(HWND window, UINT_PTR id);

// Input.
BOOL GetCursorPos(LPPOINT point);
BOOL ScreenToClient(HWND window, LPPOINT point);
// Bit 15 while the key is down, bit 0 when it went down since the previous call
// for that key.
SHORT GetAsyncKeyState(int virtualKey);
// The display count: the system cursor shows over the windows while it is >= 0.
int ShowCursor(BOOL show);
