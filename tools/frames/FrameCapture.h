// Draws frames through the render device and reads each back from the
// Direct3D back buffer before presenting it, the only way that works the same
// on our software device and on Direct3D 9 itself.
#pragma once

#include "assets/Image.h"

class CFrameScene;
class CRenderDevice;

// The frame as the scene draws it into the window's 1024 x 768 client area.
assets::CImage CaptureFrame(CRenderDevice* device, CFrameScene& scene);
