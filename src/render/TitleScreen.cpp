#include "render/TitleScreen.h"

#include "render/RenderDevice.h"
#include "render/ScreenSpace.h"
#include "render/TitleHost.h"

CTitleScreen::CTitleScreen(ITitleHost* host)
    : host_(host),
      titleSprite_(host->LoadSprite(u"Title")),
      frogSavedSprite_(host->LoadSprite(u"FrogSaved")),
      frogSplattedSprite_(host->LoadSprite(u"FrogSplatted")) {}

void CTitleScreen::Render(CRenderDevice* device) {
  UseScreenSpace(device);
  device->DrawSprite(titleSprite_, 512, 384, 0.5, 0.5);

  int saved = 0;
  int splatted = 0;
  if (!host_->GetHighScore(saved, splatted)) return;
  device->DrawSprite(frogSavedSprite_, 200, 600, 0, 0);
  host_->DrawNumber(saved, 250, 604);
  device->DrawSprite(frogSplattedSprite_, 600, 600, 0, 0);
  host_->DrawNumber(splatted, 650, 604);
}
