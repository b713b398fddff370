// Test-only controls of the stand-ins. Never included by the program's code:
// tests use it to make a platform call fail the way Windows would report it.
#pragma once

#include "platform/Windows.h"

namespace platform_test {

// The next `times` calls of the named stand-in ("CreateFileW", "ReadFile", ...)
// fail with `error` as their last error and the call's own failure value.
void FailCall(const char* callName, DWORD error, int times = 1);

// Forgets every failure that FailCall arranged and that has not happened yet.
void ClearCallFailures();

}  // namespace platform_test
