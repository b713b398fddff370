// What a game needs from the program that runs it: resources by name, sound,
// the place its result goes, number drawing for its overlay, and randomness.
// The application implements it; tests and the simulator implement it too.
// Textures, sprites and sounds are opaque to the game: it only keeps the
// pointers and hands them back.
#pragma once

#include <cstdint>

#include "tlib/String.h"
#include "tlib/Stuff.h"

class CTexture;
class CSprite;

// A loaded sound: the bytes of a whole .wav file.
using Sound = const std::uint8_t*;

class IGameHost : public tlib::IStuff {
 public:
  // A loaded resource; the pointer stays valid for the life of the game.
  virtual CTexture* LoadTexture(tlib::TString name) = 0;
  virtual CSprite* LoadSprite(tlib::TString name) = 0;
  virtual Sound LoadSound(tlib::TString name) = 0;
  // Starts the sound without waiting for it.
  virtual void PlaySound(Sound sound) = 0;
  // Called once, from inside the update that leaves no frog on the map.
  virtual void ReportResult(int saved, int splatted) = 0;
  // Draws a non-negative number with its first digit's top-left corner at (x, y).
  virtual void DrawNumber(int value, int x, int y) = 0;

 protected:
  ~IGameHost() = default;
};
