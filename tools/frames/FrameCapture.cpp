#include "FrameCapture.h"

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "FrameScenes.h"
#include "platform/D3D9.h"
#include "render/RenderDevice.h"

namespace {

constexpr int frameWidth = 1024;
constexpr int frameHeight = 768;

void Check(HRESULT result, const char* call) {
  if (FAILED(result)) throw std::runtime_error(std::string(call) + " failed");
}

struct SurfaceRelease {
  void operator()(IDirect3DSurface9* surface) const { surface->Release(); }
};

// The back buffer is X8R8G8B8: blue, green, red and a byte that means nothing.
assets::CImage ReadBackBuffer(IDirect3DDevice9* device) {
  IDirect3DSurface9* surface = nullptr;
  Check(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &surface), "GetBackBuffer");
  const std::unique_ptr<IDirect3DSurface9, SurfaceRelease> backBuffer(surface);
  D3DLOCKED_RECT locked;
  Check(backBuffer->LockRect(&locked, nullptr, D3DLOCK_READONLY), "LockRect");
  assets::CImage image(frameWidth, frameHeight);
  for (int y = 0; y < frameHeight; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(locked.pBits) +
                      static_cast<std::ptrdiff_t>(y) * locked.Pitch;
    for (int x = 0; x < frameWidth; ++x) {
      const std::uint8_t* pixel = row + 4 * x;
      image.Set(x, y, assets::Rgb{pixel[2], pixel[1], pixel[0]});
    }
  }
  Check(backBuffer->UnlockRect(), "UnlockRect");
  return image;
}

}  // namespace

assets::CImage CaptureFrame(CRenderDevice* device, CFrameScene& scene) {
  device->BeginFrame();
  scene.Render(device);
  // EndFrame would present at once: the frame is read between the end of the
  // scene and the presentation instead.
  IDirect3DDevice9* direct3D = device->GetDevice();
  Check(direct3D->EndScene(), "EndScene");
  assets::CImage frame = ReadBackBuffer(direct3D);
  Check(direct3D->Present(nullptr, nullptr, nullptr, nullptr), "Present");
  return frame;
}
