// Loads the program's pictures and sounds on a worker thread while the main
// thread already shows frames. It reports two milestones to the application:
// 0 once the title screen's pictures are in, -1 once everything is.
#pragma once

#include "gui/Thread.h"

class CApplication;

class CPreLoader final : public CorvelGUI::IThread {
 public:
  explicit CPreLoader(CApplication* application) : application_(application) {}

  // The application may delete this object as soon as the last milestone
  // arrives, so nothing of it is touched after that report.
  void Run() override;

 private:
  void LoadTitleScreenPictures();
  void LoadGameResources();

  CApplication* application_;
};
