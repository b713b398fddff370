#include "platform/posix/WindowFrame.h"

namespace platform {
namespace {

constexpr LONG sizingFrame = 8;
constexpr LONG fixedFrame = 3;
constexpr LONG border = 1;
constexpr LONG captionHeight = 23;
constexpr LONG menuHeight = 20;

LONG EdgeFor(DWORD style) {
  if (style & WS_THICKFRAME) return sizingFrame;
  if (style & WS_DLGFRAME) return fixedFrame;
  if (style & WS_BORDER) return border;
  return 0;
}

}  // namespace

WindowFrame FrameFor(DWORD style, bool menu) {
  LONG edge = EdgeFor(style);
  LONG top = edge;
  if ((style & WS_CAPTION) == WS_CAPTION) top += captionHeight;
  if (menu) top += menuHeight;
  return WindowFrame{edge, top, edge, edge};
}

}  // namespace platform
