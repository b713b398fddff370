// How the software Direct3D device shows a frame: the contract between the
// device (common to every backend) and the backend linked into the program.
// Each backend implements PresentFrame once: SDL2 puts the frame into the
// window, headless keeps it in memory for tests.
#pragma once

#include <cstdint>

#include "platform/posix/WinTypes.h"

namespace platform {

// Called by IDirect3DDevice9::Present on the thread that draws. `pixels` holds
// width x height values 0xXXRRGGBB (the top byte means nothing), rows top
// first, one row apart; they are only read during the call. False when the
// frame cannot be shown (no such window), which Present reports as a lost device.
bool PresentFrame(HWND window, const std::uint32_t* pixels, int width, int height);

}  // namespace platform
