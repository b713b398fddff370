#include "platform/posix/WinGdi.h"

#include <cstring>
#include <memory>

#include "platform/posix/CallFailures.h"
#include "platform/posix/DibSection.h"
#include "platform/posix/PathCase.h"
#include "platform/posix/WinBase.h"

namespace {
// Stock objects only need distinct, stable, non-null identities.
char stockBrushes[NULL_BRUSH + 1];

bool IsStockObject(HGDIOBJ object) {
  for (char& brush : stockBrushes) {
    if (object == &brush) return true;
  }
  return false;
}
}  // namespace

HGDIOBJ GetStockObject(int object) {
  if (object < WHITE_BRUSH || object > NULL_BRUSH) return nullptr;
  return &stockBrushes[object];
}

HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT load) {
  const UINT required = LR_LOADFROMFILE | LR_CREATEDIBSECTION;
  if (instance != nullptr || name == nullptr || type != IMAGE_BITMAP || cx != 0 || cy != 0 ||
      (load & required) != required) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::unique_ptr<platform::DibSection> section =
      platform::DibSection::Load(platform::LocatePath(name));
  if (section == nullptr) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  return platform::DibSection::Register(std::move(section));
}

int GetObjectW(HGDIOBJ object, int bufferSize, LPVOID buffer) {
  if (platform::TakeArrangedFailure("GetObjectW")) return 0;
  BITMAP bitmap;
  if (!platform::DibSection::Describe(object, bitmap)) return 0;
  if (buffer == nullptr) return sizeof(BITMAP);
  if (bufferSize < static_cast<int>(sizeof(BITMAP))) return 0;
  std::memcpy(buffer, &bitmap, sizeof bitmap);
  return sizeof(BITMAP);
}

BOOL DeleteObject(HGDIOBJ object) {
  if (IsStockObject(object)) return TRUE;
  return platform::DibSection::Delete(object) ? TRUE : FALSE;
}
