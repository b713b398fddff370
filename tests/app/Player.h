// The user of a whole application, with a shadow copy of every game it
// starts (ShadowGame): input goes to the application and, where it reaches
// the game, to the shadow too, so that after every tick the shadow is in the
// state that the application's game has just drawn.
#pragma once

#include <cstdint>

#include "ApplicationRun.h"
#include "ShadowGame.h"

class Player {
 public:
  explicit Player(std::uint32_t seed);

  ApplicationRun& Run() { return run_; }
  ShadowGame& Shadow() { return shadow_; }
  bool Playing() const { return playing_; }
  // The tick in which the last game reported its result, or -1.
  int LastGameEndedInTick() const { return gameEndedInTick_; }
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }

  // Steps of the script.
  void ThenWaitForTitleScreen();
  // Presses Enter until a game runs (Enter counts only once loading is done).
  void ThenStartGame();
  // Until the game has reported its result and was drawn one last time.
  void ThenPlayToTheEnd();

  // Input, from within a step; the application sees it before the next tick.
  void MoveMouse(int x, int y);
  void Click();
  void RightClick();
  void HoldZoomKey(bool held);
  void PressEnter();
  void PressEscape();

 private:
  void MirrorTick();

  ApplicationRun run_;
  ShadowGame shadow_;
  int mouseX_ = 512;
  int mouseY_ = 384;
  bool zoomKeyHeld_ = false;
  bool playing_ = false;
  int enterPressedInTick_ = -1;
  int gameEndedInTick_ = -1;
};
