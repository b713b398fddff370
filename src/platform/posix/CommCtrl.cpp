#include "platform/posix/CommCtrl.h"

#include "platform/posix/CallFailures.h"
#include "platform/posix/WinBase.h"

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
  if (platform::TakeArrangedFailure("InitCommonControlsEx")) return FALSE;
  if (controls == nullptr || controls->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}
