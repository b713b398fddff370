// comctl32 stand-ins.
//
// Stands in for: InitCommonControlsEx.
// Leaves out: every control class; the program registers none and only makes
// sure the library is initialised.
#pragma once

#include "platform/posix/WinTypes.h"

struct INITCOMMONCONTROLSEX {
  DWORD dwSize;
  DWORD dwICC;
};
using LPINITCOMMONCONTROLSEX = INITCOMMONCONTROLSEX*;

// FALSE for a null argument or a dwSize other than sizeof(INITCOMMONCONTROLSEX).
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
