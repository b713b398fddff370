#include "app/Presentation.h"

#include <cstdint>

#include "platform/D3D9.h"
#include "render/RenderDevice.h"
#include "render/Sprite.h"
#include "tlib/Exception.h"
#include "tlib/String.h"

namespace {

// Opaque near-white (not 0xFFFFFFFF): what every frame is cleared to.
constexpr std::uint32_t clearColour = 0xFFFFFFFE;

}  // namespace

void SetUpRenderStates(CRenderDevice* device) {
  device->SetClearColour(clearColour);
  IDirect3DDevice9* direct3D = device->GetDevice();
  direct3D->SetRenderState(D3DRS_LIGHTING, FALSE);
  direct3D->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  direct3D->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  direct3D->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  direct3D->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
  direct3D->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
}

void DrawDigits(CRenderDevice* device, CSprite* const (&digitSprites)[10], int value, int x,
                int y) {
  if (value < 0) throw tlib::TException(u"Can't draw this number number");
  tlib::TString digits = tlib::TString::Format(u"%d", value);
  int left = x;
  for (int i = 0; i < digits.Length(); ++i) {
    CSprite* digit = digitSprites[digits.CStr()[i] - u'0'];
    device->DrawSprite(digit, left, y, 0, 0);
    left += digit->Width();
  }
}
