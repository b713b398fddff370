#include "platform/posix/CallFailures.h"

#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/testing/TestControls.h"

namespace {

struct ArrangedFailure {
  DWORD error;
  int remaining;
};

std::mutex failuresLock;
std::unordered_map<std::string, ArrangedFailure> failures;

}  // namespace

namespace platform_test {

void FailCall(const char* callName, DWORD error, int times) {
  std::lock_guard guard(failuresLock);
  failures[callName] = ArrangedFailure{error, times};
}

void ClearCallFailures() {
  std::lock_guard guard(failuresLock);
  failures.clear();
}

}  // namespace platform_test

namespace platform {

bool TakeArrangedFailure(const char* callName) {
  std::lock_guard guard(failuresLock);
  auto found = failures.find(callName);
  if (found == failures.end() || found->second.remaining <= 0) return false;
  SetLastError(found->second.error);
  if (--found->second.remaining == 0) failures.erase(found);
  return true;
}

}  // namespace platform
