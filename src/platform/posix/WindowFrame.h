// The non-client frame Windows draws around a window of a given style, so that
// AdjustWindowRect and the windows themselves agree on the client area.
#pragma once

#include "platform/posix/WinUser.h"

namespace platform {

// How far the outer rectangle reaches beyond the client area on each side.
struct WindowFrame {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

// Windows' default metrics: a sizing frame of 8 pixels (WS_THICKFRAME), else a
// fixed frame of 3 (WS_DLGFRAME, part of WS_CAPTION), else a border of 1
// (WS_BORDER); a caption of 23 and a menu bar of 20 more at the top.
WindowFrame FrameFor(DWORD style, bool menu);

}  // namespace platform
