// The process entry of an SDL2 program: the program itself starts at
// wWinMain, as on Windows, with no command line.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "platform/Windows.h"

namespace {
// Stands for the module handle: distinct from every other handle and never null.
char moduleIdentity;
}  // namespace

int main() {
  SDL_SetMainReady();
  WCHAR commandLine[] = u"";
  int exitCode =
      wWinMain(reinterpret_cast<HINSTANCE>(&moduleIdentity), nullptr, commandLine, SW_SHOWDEFAULT);
  SDL_Quit();
  return exitCode;
}
