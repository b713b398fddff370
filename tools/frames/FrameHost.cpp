#include "FrameHost.h"

#include <memory>

#include "app/Presentation.h"
#include "render/Bitmap.h"
#include "render/RenderDevice.h"

namespace {

// The picture of that name from Data\, made into a texture or a sprite once.
template <typename Resource>
Resource LoadPicture(std::map<std::u16string, Resource>& loaded, const tlib::TString& name,
                     CRenderDevice* device,
                     Resource (CRenderDevice::*create)(int, int, const std::uint32_t*)) {
  Resource& resource = loaded[std::u16string(name.CStr())];
  if (resource == nullptr) {
    const std::unique_ptr<CBitmap> bitmap =
        CBitmap::Load(tlib::TString(u"Data\\") + (name + u".bmp"));
    resource = (device->*create)(bitmap->Width(), bitmap->Height(), bitmap->Pixels());
  }
  return resource;
}

// Games keep their sounds and hand them back; nothing here plays them.
constexpr std::uint8_t silence[8] = {};

}  // namespace

CFrameHost::CFrameHost(CRenderDevice* device) : device_(device) {
  for (int digit = 0; digit <= 9; ++digit) {
    digitSprites_[digit] = LoadSprite(tlib::TString::Format(u"Digit%d", digit));
  }
}

CTexture* CFrameHost::LoadTexture(tlib::TString name) {
  return LoadPicture(textures_, name, device_, &CRenderDevice::CreateTexture);
}

CSprite* CFrameHost::LoadSprite(tlib::TString name) {
  return LoadPicture(sprites_, name, device_, &CRenderDevice::CreateSprite);
}

Sound CFrameHost::LoadSound(tlib::TString /*name*/) { return silence; }

bool CFrameHost::GetHighScore(int& saved, int& splatted) {
  if (!best_) return false;
  saved = best_->first;
  splatted = best_->second;
  return true;
}

void CFrameHost::DrawNumber(int value, int x, int y) {
  DrawDigits(device_, digitSprites_, value, x, y);
}
