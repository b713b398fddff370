// What a kernel32 HANDLE points to in the stand-ins: a file, a thread, ...
// Every live object is registered, so a stale or foreign handle is refused with
// ERROR_INVALID_HANDLE instead of being dereferenced.
#pragma once

#include "platform/posix/WinTypes.h"

namespace platform {

class KernelObject {
 public:
  KernelObject() = default;
  KernelObject(const KernelObject&) = delete;
  KernelObject& operator=(const KernelObject&) = delete;
  virtual ~KernelObject() = default;

  // Registers the object and returns its handle; the registry owns it from now on.
  static HANDLE Register(KernelObject* object);

  // The live object behind a handle, or null (with ERROR_INVALID_HANDLE set).
  // The object stays valid until the handle is closed; each handle is used by
  // one thread at a time, as on Windows without overlapped I/O.
  template <typename T>
  static T* From(HANDLE handle) {
    auto* object = dynamic_cast<T*>(Find(handle));
    if (object == nullptr) SetLastErrorInvalidHandle();
    return object;
  }

  // Unregisters and deletes; false for a handle that is not live.
  static bool Close(HANDLE handle);

 private:
  static KernelObject* Find(HANDLE handle);
  static void SetLastErrorInvalidHandle();
};

}  // namespace platform
