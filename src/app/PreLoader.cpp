#include "app/PreLoader.h"

#include "app/Application.h"
#include "app/ErrorReport.h"
#include "tlib/String.h"

using tlib::TString;

// A picture or sound that cannot be loaded ends the program from this thread,
// as it would on the main thread.
void CPreLoader::Run() {
  RunOrExitWithReport([this] {
    LoadTitleScreenPictures();
    application_->ReportProgress(0);
    LoadGameResources();
    application_->ReportProgress(-1);  // the last use of this object
  });
}

void CPreLoader::LoadTitleScreenPictures() {
  application_->LoadSprite(u"Title");
  for (int digit = 0; digit <= 9; ++digit)
    application_->LoadSprite(TString::Format(u"Digit%d", digit));
  application_->LoadSprite(u"FrogSaved");
  application_->LoadSprite(u"FrogSplatted");
}

// Everything a game asks for, except the junction tiles "Road6" to "Road9",
// which the first game loads itself.
void CPreLoader::LoadGameResources() {
  application_->LoadSprite(u"Cursor");
  application_->LoadTexture(u"Frog");
  application_->LoadSound(u"Jump");
  for (int road = 0; road <= 5; ++road) application_->LoadTexture(TString::Format(u"Road%d", road));
  application_->LoadTexture(u"Road10");
  for (int car = 0; car <= 2; ++car) application_->LoadTexture(TString::Format(u"Car%d", car));
  application_->LoadSound(u"Splat");
  application_->LoadTexture(u"RoadBlock");
}
