// What the pixel pipeline of one draw call needs from the device's render
// states and texture stage.
#pragma once

#include "platform/D3D9.h"

namespace platform::d3d9 {

class SoftTexture;

// D3DRS_ZENABLE off switches off the test and the writes; D3DRS_ZWRITEENABLE
// off keeps the test only.
enum class DepthMode { Off, Test, TestWrite };

// How a source colour meets the back buffer.
enum class BlendMode {
  Replace,      // blending off, or a source that blending would leave as it is
  SourceAlpha,  // source x alpha + destination x (1 - alpha)
  Factors,      // any other pair of D3DRS_SRCBLEND / D3DRS_DESTBLEND factors
};

struct PixelState {
  DepthMode depthMode = DepthMode::TestWrite;
  bool blendEnabled = false;
  D3DBLEND sourceBlend = D3DBLEND_ONE;
  D3DBLEND destinationBlend = D3DBLEND_ZERO;
  // Null draws with the diffuse colour alone.
  const SoftTexture* texture = nullptr;

  // The blend for sources whose alpha is all 255 (`opaqueSource`) or not.
  BlendMode Blend(bool opaqueSource) const {
    if (!blendEnabled) return BlendMode::Replace;
    const bool alphaBlend =
        sourceBlend == D3DBLEND_SRCALPHA && destinationBlend == D3DBLEND_INVSRCALPHA;
    const bool keepsSource = sourceBlend == D3DBLEND_ONE && destinationBlend == D3DBLEND_ZERO;
    if (keepsSource || (alphaBlend && opaqueSource)) return BlendMode::Replace;
    return alphaBlend ? BlendMode::SourceAlpha : BlendMode::Factors;
  }
};

}  // namespace platform::d3d9
