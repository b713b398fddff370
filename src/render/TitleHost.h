// What the title screen needs from the program that shows it: its pictures by
// name, the best result so far, and number drawing. The application implements it.
#pragma once

#include "tlib/String.h"

class CSprite;

class ITitleHost {
 public:
  // A loaded sprite; the pointer stays valid for the life of the program.
  virtual CSprite* LoadSprite(tlib::TString name) = 0;
  // True, with the best result's counts, once a best result is known.
  virtual bool GetHighScore(int& saved, int& splatted) = 0;
  // Draws a non-negative number with its first digit's top-left corner at (x, y).
  virtual void DrawNumber(int value, int x, int y) = 0;

 protected:
  ~ITitleHost() = default;
};
