#include "render/Texture.h"

#include "platform/D3D9.h"

CTexture::~CTexture() { texture_->Release(); }
