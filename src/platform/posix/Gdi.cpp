#include "platform/posix/WinGdi.h"

namespace {
// Stock objects only need distinct, stable, non-null identities.
char stockBrushes[NULL_BRUSH + 1];
}  // namespace

HGDIOBJ GetStockObject(int object) {
  if (object < WHITE_BRUSH || object > NULL_BRUSH) return nullptr;
  return &stockBrushes[object];
}
