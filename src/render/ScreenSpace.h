// Screen-space drawing: sprites land on the exact client pixels they are
// given only while the world, view and projection transforms are identity.
#pragma once

#include "math/Matrix4.h"
#include "render/RenderDevice.h"

inline void UseScreenSpace(CRenderDevice* device) {
  device->SetTransform(TransformKind::Projection, Matrix4::Identity());
  device->SetTransform(TransformKind::View, Matrix4::Identity());
  device->SetTransform(TransformKind::World, Matrix4::Identity());
}
