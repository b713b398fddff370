// Test-only controls of the stand-ins. Never included by the program's code:
// tests use it to make a platform call fail the way Windows would report it,
// and to wait for the sound player's thread.
#pragma once

#include "platform/Windows.h"

namespace platform_test {

// The next `times` calls of the named stand-in ("CreateFileW", "ReadFile", ...)
// fail with `error` as their last error and the call's own failure value.
void FailCall(const char* callName, DWORD error, int times = 1);

// Forgets every failure that FailCall arranged and that has not happened yet.
void ClearCallFailures();

// PlaySoundW decodes on a thread of its own. While held, that thread starts no sound: it
// decodes the newest one and waits with it, so that a test sees what PlaySoundW did on the
// caller's thread alone.
void HoldSoundDecoding(bool held);

// Waits until every sound PlaySoundW accepted has been decoded and started, or dropped; while
// held, until the newest one is decoded and waits to start.
void WaitForSoundDecoding();

}  // namespace platform_test
