#include "platform/posix/WinBase.h"

namespace {
// As on Windows, every thread has its own last error.
thread_local DWORD lastError = ERROR_SUCCESS;
}  // namespace

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD errorCode) { lastError = errorCode; }
