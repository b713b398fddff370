// What the window shows while no game runs: the title picture in the middle
// and, once there is one, the best result as two icons with their counts.
#pragma once

class CRenderDevice;
class CSprite;
class ITitleHost;

class CTitleScreen {
 public:
  // Fetches "Title", "FrogSaved" and "FrogSplatted", in that order.
  explicit CTitleScreen(ITitleHost* host);

  // The title screen has nothing that moves; the tick calls it all the same.
  void Update() {}
  // Draws with identity transforms; call between BeginFrame and EndFrame.
  void Render(CRenderDevice* device);

 private:
  ITitleHost* host_;
  CSprite* titleSprite_;
  CSprite* frogSavedSprite_;
  CSprite* frogSplattedSprite_;
};
