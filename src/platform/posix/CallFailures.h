// Failures arranged by tests (platform/testing/TestControls.h), consumed by the stand-ins.
#pragma once

#include "platform/posix/WinTypes.h"

namespace platform {

// True when a failure was arranged for this call: the arrangement is used up by
// one, the last error is set to its code and the caller returns its failure value.
bool TakeArrangedFailure(const char* callName);

}  // namespace platform
