// How the program presents its frames: the clear colour and the render states
// the application sets once on its device, and numbers drawn with the ten
// digit sprites. The frame tool, which draws the program's frames outside the
// program, presents them the same way through these.
#pragma once

class CRenderDevice;
class CSprite;

// The clear colour and the six render states; call before any other thread
// uses the device.
void SetUpRenderStates(CRenderDevice* device);

// Draws a non-negative `value` in decimal, its first digit's top-left corner at
// the client pixel (x, y), each digit as wide as its sprite. Throws "Can't draw
// this number number" for a negative value.
void DrawDigits(CRenderDevice* device, CSprite* const (&digitSprites)[10], int value, int x, int y);
