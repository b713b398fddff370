#include "platform/posix/KernelObject.h"

#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/posix/CallFailures.h"
#include "platform/posix/WinBase.h"

namespace platform {
namespace {

std::mutex registryLock;

std::unordered_map<HANDLE, std::unique_ptr<KernelObject>>& Registry() {
  static auto* registry = new std::unordered_map<HANDLE, std::unique_ptr<KernelObject>>();
  return *registry;
}

}  // namespace

HANDLE KernelObject::Register(KernelObject* object) {
  std::lock_guard guard(registryLock);
  HANDLE handle = object;
  Registry().emplace(handle, std::unique_ptr<KernelObject>(object));
  return handle;
}

KernelObject* KernelObject::Find(HANDLE handle) {
  std::lock_guard guard(registryLock);
  auto found = Registry().find(handle);
  return found == Registry().end() ? nullptr : found->second.get();
}

bool KernelObject::Close(HANDLE handle) {
  std::unique_ptr<KernelObject> closing;
  {
    std::lock_guard guard(registryLock);
    auto found = Registry().find(handle);
    if (found == Registry().end()) return false;
    closing = std::move(found->second);
    Registry().erase(found);
  }
  return true;
}

void KernelObject::SetLastErrorInvalidHandle() { SetLastError(ERROR_INVALID_HANDLE); }

}  // namespace platform

BOOL CloseHandle(HANDLE object) {
  if (platform::TakeArrangedFailure("CloseHandle")) return FALSE;
  if (!platform::KernelObject::Close(object)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
