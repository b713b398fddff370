// The Direct3D 9 interface of the renderer: the device, textures, transforms,
// render states and triangle drawing, as far as the program calls them.
//
// On Windows this is the SDK itself. Everywhere else posix/Direct3D9.h declares
// the same names, constants and COM-style interfaces, and the software device in
// d3d9/ draws into memory and hands each frame to the backend's presenter.
#pragma once

#if defined(_WIN32)
#include <d3d9.h>
#include "platform/Windows.h"
#else
#include "platform/posix/Direct3D9.h"
#endif
